"""A throw-away FTP server for the publishing tests and benchmark.

Usage: ftpserver.py ROOT USER PASSWORD
Serves ROOT on 127.0.0.1 and a free port, for one user with full rights, and
prints "PORT <number>" once it listens. Runs until killed.
"""
import logging
import sys

from pyftpdlib.authorizers import DummyAuthorizer
from pyftpdlib.handlers import FTPHandler
from pyftpdlib.servers import FTPServer


def main():
    root, user, password = sys.argv[1:4]
    logging.basicConfig(level=logging.ERROR)
    authorizer = DummyAuthorizer()
    authorizer.add_user(user, password, root, perm="elradfmwMT")
    handler = FTPHandler
    handler.authorizer = authorizer
    handler.banner = "Test server ready."
    # Large reads keep the server from being the slowest part of a transfer.
    handler.dtp_handler.ac_in_buffer_size = 256 * 1024
    server = FTPServer(("127.0.0.1", 0), handler)
    print("PORT %d" % server.address[1], flush=True)
    server.serve_forever(handle_exit=True)


if __name__ == "__main__":
    main()

"""A throw-away FTP server for the publishing tests and benchmark.

Usage: ftpserver.py ROOT USER PASSWORD [--tls FOLDER]
Serves ROOT on 127.0.0.1 and a free port, for one user with full rights, and
prints "PORT <number>" once it listens. Runs until killed.

With --tls the server speaks explicit FTPS and requires TLS on the control
and the data connections. It makes a new self-signed certificate for
127.0.0.1 in FOLDER (server.pem, key and certificate) and prints
"CERT <path>" before the port.
"""
import logging
import os
import sys

from pyftpdlib.authorizers import DummyAuthorizer
from pyftpdlib.handlers import FTPHandler
from pyftpdlib.servers import FTPServer


def make_certificate(folder):
    from OpenSSL import crypto

    key = crypto.PKey()
    key.generate_key(crypto.TYPE_RSA, 2048)
    cert = crypto.X509()
    cert.set_version(2)
    cert.get_subject().CN = "127.0.0.1"
    cert.set_serial_number(int.from_bytes(os.urandom(8), "big"))
    cert.gmtime_adj_notBefore(-60)
    cert.gmtime_adj_notAfter(24 * 3600)
    cert.set_issuer(cert.get_subject())
    cert.set_pubkey(key)
    cert.add_extensions([
        crypto.X509Extension(b"subjectAltName", False, b"IP:127.0.0.1"),
        crypto.X509Extension(b"basicConstraints", True, b"CA:TRUE"),
    ])
    cert.sign(key, "sha256")
    path = os.path.join(folder, "server.pem")
    with open(path, "wb") as out:
        out.write(crypto.dump_privatekey(crypto.FILETYPE_PEM, key))
        out.write(crypto.dump_certificate(crypto.FILETYPE_PEM, cert))
    return path


def main():
    root, user, password = sys.argv[1:4]
    tls_folder = None
    if len(sys.argv) > 5 and sys.argv[4] == "--tls":
        tls_folder = sys.argv[5]
    logging.basicConfig(level=logging.ERROR)
    authorizer = DummyAuthorizer()
    authorizer.add_user(user, password, root, perm="elradfmwMT")
    if tls_folder:
        from pyftpdlib.handlers import TLS_FTPHandler

        handler = TLS_FTPHandler
        handler.certfile = make_certificate(tls_folder)
        handler.tls_control_required = True
        handler.tls_data_required = True
        print("CERT %s" % handler.certfile, flush=True)
    else:
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

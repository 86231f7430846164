// libFuzzer target for the dictionary reader: each input is written as a
// dictionary file (behind a valid signature half of the time, so that the
// fuzzer reaches the entries), opened, and used for lookups and suggestions.
// Only "Dictionary Corrupt." may come out of it.

#include "spelling/dctfile.h"
#include "spelling/suggester.h"

#include <QByteArray>
#include <QFile>
#include <QString>
#include <cstdint>
#include <cstdlib>
#include <unistd.h>

namespace {

QString scratchPath() {
    static const QString path =
        QStringLiteral("/tmp/quilmead-fuzz-%1.dct").arg(QString::number(::getpid()));
    return path;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, size_t size) {
    if (size == 0)
        return 0;
    QByteArray bytes;
    // The first byte chooses whether the signature is given.
    if (data[0] & 1) {
        bytes = dct::signature() + QByteArray(dct::HeaderSize - dct::SignatureSize, '\0');
        bytes.append(reinterpret_cast<const char *>(data + 1), qsizetype(size - 1));
    } else {
        bytes = QByteArray(reinterpret_cast<const char *>(data), qsizetype(size));
    }
    {
        QFile f(scratchPath());
        if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate))
            std::abort();
        f.write(bytes);
    }
    try {
        DctFile file(scratchPath());
        static const char *probes[] = {"a", "ab", "abc", "the", "zzzzzzzzzz", "\xE9t\xE9", ""};
        for (const char *p : probes)
            file.lookup(p, int(std::char_traits<char>::length(p)));
        file.lookup(QByteArray(60, 'a'));
        Suggester s(QByteArray("abcde"));
        s.searchTree(file.entries());
        s.best(10);
    } catch (const DictionaryError &e) {
        if (e.text() != dct::corruptText())
            std::abort();
    }
    return 0;
}

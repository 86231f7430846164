#include "settings/settingsstore.h"
#include "app/regularfile.h"

#include <QFile>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>

namespace {

// Far more than any store of these values; a larger file is not read for
// repairs.
constexpr qint64 kMaxStoreBytes = qint64(4) * 1024 * 1024;

// One table of every stored value, walked by the reader and the writer alike
// so that the two can never disagree on names, order or limits.
template <class Visitor, class S> void visitAll(S &s, Visitor &v) {
    v.group(QStringLiteral("LastFiles"));
    // Recent files are full paths; cut short they would name another file.
    for (int i = 0; i < 4; ++i)
        v.text(QStringLiteral("File%1").arg(i + 1), s.lastFiles[i], -1);
    v.flag(QStringLiteral("AutoLoad"), s.autoLoad);

    v.group(QStringLiteral("Helpers"));
    v.flag(QStringLiteral("ExpandingChars"), s.expandingChars);
    v.flag(QStringLiteral("fullscreen"), s.fullScreen);
    v.flag(QStringLiteral("NewFile"), s.newFile);
    v.flag(QStringLiteral("BrowserRefresh"), s.browserRefresh);
    v.flag(QStringLiteral("SimpleTable"), s.simpleTable);
    v.flag(QStringLiteral("ImageDisplaying"), s.imageDisplaying);
    v.flag(QStringLiteral("Wordwrap"), s.wordwrapHelper);
    v.flag(QStringLiteral("DefaultExtension"), s.defaultExtension);
    v.flag(QStringLiteral("InternalClipboard"), s.internalClipboard);
    v.flag(QStringLiteral("SavingToDefault"), s.savingToDefault);
    v.flag(QStringLiteral("ShowTipOfTheDay"), s.showTipOfTheDay);
    v.number(QStringLiteral("TipNumber"), s.tipNumber);

    v.group(QStringLiteral("FTP"));
    v.number(QStringLiteral("TimeOut"), s.timeOut);
    v.text(QStringLiteral("SmartBinary"), s.smartBinary, 200);
    v.text(QStringLiteral("SmartASCII"), s.smartAscii, 200);

    v.group(QStringLiteral("Spelling"));
    v.flag(QStringLiteral("AutoAdd"), s.autoAdd);
    v.flag(QStringLiteral("SkipHTML"), s.skipHtml);
    v.number(QStringLiteral("SuggestCount"), s.suggestCount);
    v.number(QStringLiteral("Language"), s.language);
    v.number(QStringLiteral("DialogStyle"), s.dialogStyle);

    v.group(QStringLiteral("Defaults"));
    v.flag(QStringLiteral("ExpandCharstoHTML"), s.expandCharsToHtml);
    v.number(QStringLiteral("TabSize"), s.tabSize);
    v.text(QStringLiteral("FileTabs"), s.fileTabs, -1);
    v.flag(QStringLiteral("ShowHints"), s.showHints);
    v.flag(QStringLiteral("UseEWS"), s.useEws);
    v.flag(QStringLiteral("ShowProjectPanel"), s.showProjectPanel);
    v.flag(QStringLiteral("AutoUpdate"), s.autoUpdate);
    v.flag(QStringLiteral("AutoTimeStamp"), s.autoTimeStamp);
    v.flag(QStringLiteral("Wordwrap"), s.wordwrap);
    v.text(QStringLiteral("BackgroundColor"), s.backgroundColor, 25);
    v.flag(QStringLiteral("ShowImages"), s.showImages);
    v.text(QStringLiteral("SharedImageDir"), s.sharedImageDir, 150);
    v.text(QStringLiteral("Browser1"), s.browser1, 150);
    v.flag(QStringLiteral("Browser1Prefix"), s.browser1Prefix);
    v.text(QStringLiteral("Browser2"), s.browser2, 150);
    v.flag(QStringLiteral("Browser2Prefix"), s.browser2Prefix);
    v.flag(QStringLiteral("UseBR"), s.useBr);
    // Font names are kept whole: cut short they would name another font.
    v.text(QStringLiteral("FontName"), s.fontName, -1);
    v.text(QStringLiteral("FontSize"), s.fontSize, 25);
    v.text(QStringLiteral("FontColor"), s.fontColor, 25);
    v.text(QStringLiteral("FontStyle"), s.fontStyle, 25);
    v.text(QStringLiteral("HTMLFontName"), s.htmlFontName, -1);
    v.text(QStringLiteral("HTMLFontSize"), s.htmlFontSize, 25);
    v.text(QStringLiteral("HTMLFontColor"), s.htmlFontColor, 25);
    v.text(QStringLiteral("HTMLBackgroundColor"), s.htmlBackgroundColor, 25);
    v.text(QStringLiteral("SyntaxBGColor"), s.syntaxBgColor, 15);
    v.text(QStringLiteral("SyntaxFGColor"), s.syntaxFgColor, 15);
    v.text(QStringLiteral("HighlightBGColor"), s.highlightBgColor, 15);
    v.text(QStringLiteral("HighlightFGColor"), s.highlightFgColor, 15);
    v.text(QStringLiteral("Extension"), s.extension, 100);
    v.text(QStringLiteral("GraphicExtension"), s.graphicExtension, 100);
    v.flag(QStringLiteral("UseClosingP"), s.useClosingP);
    v.number(QStringLiteral("FileFormat"), s.fileFormat);
    v.flag(QStringLiteral("AutoIndent"), s.autoIndent);
    v.number(QStringLiteral("FontSizeChange"), s.fontSizeChange);
    for (int i = 0; i < 4; ++i)
        v.flag(QStringLiteral("ShowCustom%1").arg(i + 1), s.showCustom[i]);
    for (int i = 0; i < 4; ++i)
        v.text(QStringLiteral("Custom%1caption").arg(i + 1), s.customCaption[i], 15);

    v.group(QStringLiteral("WindowAttributes"));
    v.flag(QStringLiteral("Maximized"), s.maximized);
    v.number(QStringLiteral("Top"), s.top);
    v.number(QStringLiteral("Left"), s.left);
    v.number(QStringLiteral("Width"), s.width);
    v.number(QStringLiteral("Height"), s.height);
    v.number(QStringLiteral("SplitPosition"), s.splitPosition);
    v.number(QStringLiteral("SplitDirection"), s.splitDirection);
}

// Reads each value on its own: a value that cannot be read keeps what the
// settings held (the default) and is noted, and reading goes on with the next.
class Reader {
public:
    explicit Reader(QSettings &store) : m_store(store) {}

    void group(const QString &name) { m_group = name; }

    void text(const QString &name, QString &value, int limit) {
        const QVariant v = m_store.value(key(name));
        if (!v.isValid())
            return;
        QString read;
        if (v.typeId() == QMetaType::QStringList) {
            // A list written without quotes, as a person editing the file
            // would write "htm,html": the same text as with quotes.
            read = v.toStringList().join(QLatin1Char(','));
        } else if (v.canConvert<QString>()) {
            read = v.toString();
        } else {
            m_failed << key(name);
            return;
        }
        value = read;
        if (limit >= 0 && value.size() > limit)
            value.truncate(limit);
    }

    void number(const QString &name, int &value) {
        const QVariant v = m_store.value(key(name));
        if (!v.isValid())
            return;
        bool ok = false;
        const int n =
            v.typeId() == QMetaType::QString ? v.toString().trimmed().toInt(&ok) : v.toInt(&ok);
        if (!ok) {
            m_failed << key(name);
            return;
        }
        value = n;
    }

    void flag(const QString &name, bool &value) {
        int n = value ? 1 : 0;
        number(name, n);
        value = n != 0;
    }

    const QStringList &failed() const { return m_failed; }

private:
    QString key(const QString &name) const { return m_group + QLatin1Char('/') + name; }
    QSettings &m_store;
    QString m_group;
    QStringList m_failed;
};

// Whether a value as written in the file leaves a quote open at its end.
bool hasOpenQuote(const QByteArray &value) {
    bool quoted = false;
    for (qsizetype i = 0; i < value.size(); ++i) {
        const char c = value.at(i);
        if (c == '\\')
            ++i; // the next character is taken as it is
        else if (c == '"')
            quoted = !quoted;
        else if (c == ';' && !quoted)
            break; // a comment
    }
    return quoted;
}

// QSettings reads a quote left open at the end of a line on into the lines
// after it, so that one damaged value would take every value after it with
// it. Returns the "Section/Name" of each such line, and in `repaired` the
// file without them.
QStringList dropOpenQuotes(const QByteArray &bytes, QByteArray &repaired) {
    QStringList dropped;
    QString section;
    QByteArray text = bytes;
    text.replace("\r\n", "\n");
    text.replace('\r', '\n');
    for (const QByteArray &line : text.split('\n')) {
        const QByteArray trimmed = line.trimmed();
        if (trimmed.startsWith('[') && trimmed.endsWith(']')) {
            section = QString::fromUtf8(trimmed.mid(1, trimmed.size() - 2));
        } else if (const qsizetype equals = line.indexOf('=');
                   equals > 0 && hasOpenQuote(line.mid(equals + 1))) {
            dropped << section + QLatin1Char('/') + QString::fromUtf8(line.left(equals).trimmed());
            continue;
        }
        repaired += line + '\n';
    }
    return dropped;
}

class Writer {
public:
    explicit Writer(QSettings &store) : m_store(store) {}
    void group(const QString &name) { m_group = name; }
    void text(const QString &name, const QString &value, int) { put(name, value); }
    void number(const QString &name, const int &value) { put(name, value); }
    void flag(const QString &name, const bool &value) { put(name, value ? 1 : 0); }

private:
    void put(const QString &name, const QVariant &value) {
        m_store.setValue(m_group + QLatin1Char('/') + name, value);
    }
    QSettings &m_store;
    QString m_group;
};

// Describes each value: where it is stored, its type, its default and, for
// texts, the length it is cut to.
class Describer {
public:
    QStringList lines;
    void group(const QString &name) { m_group = name; }
    void text(const QString &name, const QString &value, int limit) {
        lines << QStringLiteral("%1/%2 text \"%3\" %4")
                     .arg(m_group, name, value,
                          limit < 0 ? QStringLiteral("whole") : QString::number(limit));
    }
    void number(const QString &name, const int &value) {
        lines << QStringLiteral("%1/%2 integer %3").arg(m_group, name).arg(value);
    }
    void flag(const QString &name, const bool &value) {
        lines << QStringLiteral("%1/%2 flag %3").arg(m_group, name).arg(value ? 1 : 0);
    }

private:
    QString m_group;
};

} // namespace

QStringList SettingsStore::describeValues() {
    const Settings defaults;
    Describer d;
    visitAll(defaults, d);
    return d.lines;
}

SettingsStore::SettingsStore() {
    // Where QSettings keeps the user's store on this system (the native format
    // here is an INI file with the ending ".conf").
    m_file = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
             QStringLiteral("/Tarnholm/Quilmead.conf");
    m_usable = RegularFile::replaceable(m_file).ok();
    if (m_usable)
        m_store =
            std::make_unique<QSettings>(QStringLiteral("Tarnholm"), QStringLiteral("Quilmead"));
    else
        makeUnusedStore();
}

SettingsStore::SettingsStore(const QString &iniFile) : m_file(iniFile) {
    m_usable = RegularFile::replaceable(iniFile).ok();
    if (m_usable)
        m_store = std::make_unique<QSettings>(iniFile, QSettings::IniFormat);
    else
        makeUnusedStore();
}

// QSettings reads its file as soon as it is made: a pipe in its place would
// block the program and a device would never end. Such a store is neither
// read nor written and the file stays as it is; raw() then gives a store
// under a path that can never exist (a path below /dev/null).
void SettingsStore::makeUnusedStore() {
    m_store =
        std::make_unique<QSettings>(QStringLiteral("/dev/null/quilmead.ini"), QSettings::IniFormat);
}

SettingsStore::~SettingsStore() = default;

SettingsStore::ReadResult SettingsStore::read(Settings &settings) const {
    ReadResult result;
    if (!m_usable) {
        result.ok = false;
        result.failedValue = m_file;
        result.failedValues = QStringList{m_file};
        return result;
    }
    // A value with a quote left open is read as missing (it keeps its
    // default), from a copy of the file without it; the values after it are
    // read as they stand.
    QByteArray bytes;
    QByteArray repaired;
    QStringList dropped;
    if (RegularFile::readAll(m_file, bytes, kMaxStoreBytes).ok())
        dropped = dropOpenQuotes(bytes, repaired);
    QTemporaryDir copyDir;
    std::unique_ptr<QSettings> copy;
    if (!dropped.isEmpty() && copyDir.isValid()) {
        const QString copyFile = copyDir.filePath(QStringLiteral("store.ini"));
        QFile out(copyFile);
        if (out.open(QIODevice::WriteOnly) && out.write(repaired) == repaired.size()) {
            out.close();
            copy = std::make_unique<QSettings>(copyFile, QSettings::IniFormat);
        }
    }
    Reader reader(copy ? *copy : *m_store);
    visitAll(settings, reader);
    result.failedValues = dropped + reader.failed();
    result.ok = result.failedValues.isEmpty();
    result.failedValue = result.failedValues.value(0);
    return result;
}

bool SettingsStore::write(const Settings &settings) {
    if (!m_usable)
        return false;
    Writer writer(*m_store);
    visitAll(settings, writer);
    m_store->sync();
    return m_store->status() == QSettings::NoError;
}

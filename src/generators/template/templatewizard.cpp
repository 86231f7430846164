#include "generators/template/templatewizard.h"

#include <QRegularExpression>

QString LineListText::line(int n) const {
    return n >= 1 && n <= lines.size() ? lines.at(n - 1) : QString();
}

void LineListText::replaceLine(int n, const QString &text) {
    if (n < 1)
        return;
    while (lines.size() < n)
        lines << QString();
    const QStringList parts = text.split(QRegularExpression(QStringLiteral("\r\n|\r|\n")));
    lines.removeAt(n - 1);
    for (int i = 0; i < parts.size(); ++i)
        lines.insert(n - 1 + i, parts.at(i));
}

TemplateWizard::TemplateWizard(TemplateText &text) : m_text(text) {}

PlaceholderKind TemplateWizard::kind() const {
    return m_line < 1 ? PlaceholderKind::None : placeholderKind(m_text.line(m_line));
}

bool TemplateWizard::start() {
    m_line = 0;
    return next();
}

bool TemplateWizard::next() {
    const int last = m_text.lineCount() - 2;
    for (int n = m_line + 1; n <= last; ++n) {
        if (isPlaceholderLine(m_text.line(n))) {
            m_line = n;
            return true;
        }
    }
    return false;
}

bool TemplateWizard::previous() {
    for (int n = m_line - 1; n >= 1; --n) {
        if (isPlaceholderLine(m_text.line(n))) {
            m_line = n;
            return true;
        }
    }
    return false;
}

void TemplateWizard::readContent() {
    const QString content = m_text.line(contentLine());
    switch (kind()) {
    case PlaceholderKind::Heading:
        heading.read(content);
        break;
    case PlaceholderKind::Defaults:
        defaults.read(content, m_text.line(contentLine() + 1), m_text.line(contentLine() + 2));
        break;
    case PlaceholderKind::Text:
        text.read(content);
        break;
    case PlaceholderKind::Image:
        image.read(content);
        // Only a line that names a picture is rewritten: writing back an
        // empty name would wipe whatever else stands on the line.
        if (!image.file.isEmpty())
            m_text.replaceLine(contentLine(), image.write());
        break;
    case PlaceholderKind::Link:
    case PlaceholderKind::MailLink:
        link.mailTo = kind() == PlaceholderKind::MailLink;
        link.read(content);
        if (!link.url.isEmpty())
            m_text.replaceLine(contentLine(), link.write());
        break;
    case PlaceholderKind::Body:
        body.read(content);
        break;
    case PlaceholderKind::None:
    case PlaceholderKind::Invalid:
        break;
    }
}

void TemplateWizard::writeContent() {
    switch (kind()) {
    case PlaceholderKind::Heading:
        if (const auto line = heading.write())
            m_text.replaceLine(contentLine(), *line);
        break;
    case PlaceholderKind::Defaults: {
        const QStringList lines = defaults.write();
        for (int i = 0; i < lines.size(); ++i)
            m_text.replaceLine(contentLine() + i, lines.at(i));
        break;
    }
    case PlaceholderKind::Text:
        if (const auto line = text.write())
            m_text.replaceLine(contentLine(), *line);
        break;
    case PlaceholderKind::Image:
        m_text.replaceLine(contentLine(), image.write());
        break;
    case PlaceholderKind::Link:
    case PlaceholderKind::MailLink:
        writeLink();
        break;
    case PlaceholderKind::Body:
        m_text.replaceLine(contentLine(), body.write());
        break;
    case PlaceholderKind::None:
    case PlaceholderKind::Invalid:
        break;
    }
}

void TemplateWizard::writeLink() {
    if (kind() == PlaceholderKind::Link || kind() == PlaceholderKind::MailLink)
        m_text.replaceLine(contentLine(), link.write());
}

#include "tags/head/safesurf.h"

namespace SafeSurf {

namespace {

const char *const kQuestions[kCategories] = {
    "Suitable Age Range (note: this category can still be used to limit access to adults) :",
    "Profanity:",
    "Heterosexual themes without illustrations-writings, adult conversation; may include "
    "profanity:",
    "Homosexual themes without illustrations-writings, adult conversation; may include "
    "profanity:",
    "Nudity and consenting sexual acts-may include illustrations:",
    "Violent themes-writings, devices, militia, adult conversation; may include profanity:",
    "Both sexual and violent themes combined with profanity:",
    "Accusations or attacks against racial or religious groups:",
    "Themes advocating or glorifying illegal drug use:",
    "Other adult themes requiring parental caution:",
    "Gambling:"};

QStringList numbered(std::initializer_list<const char *> texts) {
    QStringList list{QStringLiteral("0) N/A")};
    int n = 1;
    for (const char *t : texts)
        list << QStringLiteral("%1) %2").arg(n++).arg(QLatin1String(t));
    return list;
}

// The levels shared by the categories of adult themes, up to the two that
// differ between them.
QStringList themeLevels(const char *eighth, const char *ninth) {
    return numbered({"Subtle Innuendo", "Explicit Innuendo", "Technical Reference",
                     "Non-Graphic-Artistic", "Graphic-Artistic", "Graphic", "Detailed Graphic",
                     eighth, ninth});
}

const std::array<QStringList, kCategories> &allLevels() {
    static const std::array<QStringList, kCategories> levels = {
        numbered({"All Ages", "Older Children", "Teens", "Older Teens",
                  "Adult Supervision Recommended", "Adults", "Limited to Adults", "Adults Only",
                  "Explicitly for Adults"}),
        themeLevels("Crude, Vulgar Language", "Extremely Crude, Vulgar Language"),
        themeLevels("Inviting Participation", "Soliciting Participation"),
        themeLevels("Inviting Participation", "Soliciting Participation"),
        themeLevels("Inviting Participation", "Soliciting Participation"),
        themeLevels("Inviting Participation", "Encouraging Personal Participation"),
        themeLevels("Inviting Participation", "Encouraging Personal Participation"),
        themeLevels("Inviting Participation", "Encouraging Personal Participation"),
        themeLevels("Simulated Experience", "Soliciting Personal Participation"),
        themeLevels("Inviting Participation", "Soliciting Personal Participation"),
        numbered({"Subtle Innuendo", "Explicit Innuendo", "Technical Discussion",
                  "Non-Graphic-Artistic, Advertising", "Graphic-Artistic, Advertising",
                  "Simulated Gambling", "Real Life Gambling without Stakes",
                  "Encouraging Personal Participation, Stakes", "Providing Means with Stakes"})};
    return levels;
}

const QString kWholeSite = QStringLiteral("generic true for");

} // namespace

QString categoryCode(int category) {
    return QStringLiteral("SS~~00") + QString::number(category, 16).toUpper();
}

QString categoryQuestion(int category) {
    if (category < 0 || category >= kCategories)
        return QString();
    return QLatin1String(kQuestions[category]);
}

const QStringList &levelTexts(int category) {
    static const QStringList none;
    if (category < 0 || category >= kCategories)
        return none;
    return allLevels()[size_t(category)];
}

QString serviceUrl() {
    return QStringLiteral("http://www.classify.org/safesurf/");
}

QString sampleSiteUrl() {
    return QStringLiteral("http://www.example.com/");
}

QString tagStart() {
    return QStringLiteral("<META http-equiv=\"PICS-Label\" content='(PICS");
}

QString tag(const Rating &rating) {
    QString t = tagStart() + QStringLiteral("-1.0 \"") + serviceUrl() + QStringLiteral("\" l ");
    if (rating.wholeSite)
        t += kWholeSite + QStringLiteral(" \"") + rating.siteUrl + QLatin1Char('"');
    t += QStringLiteral(" r (");
    for (int c = 0; c < kCategories; ++c) {
        const int level = rating.levels[size_t(c)];
        if (level <= 0 || level >= kLevels)
            continue;
        if (c > 0)
            t += QLatin1Char(' ');
        t += categoryCode(c) + QLatin1Char(' ') + QString::number(level);
    }
    return t + QStringLiteral("))'>");
}

void presetFrom(const QString &tagText, Rating &rating) {
    for (int c = 0; c < kCategories; ++c) {
        // Each code is looked for with the blank that follows it, but the
        // last, which may close the list.
        const QString code =
            c + 1 < kCategories ? categoryCode(c) + QLatin1Char(' ') : categoryCode(c);
        const int at = tagText.indexOf(code);
        if (at < 0 || at + 8 >= tagText.size())
            continue;
        const QChar digit = tagText.at(at + 8);
        if (digit >= QLatin1Char('0') && digit <= QLatin1Char('9'))
            rating.levels[size_t(c)] = digit.digitValue();
    }
    const int whole = tagText.indexOf(kWholeSite);
    if (whole >= 0) {
        rating.wholeSite = true;
        // The site address is the quoted text that follows.
        const int open = tagText.indexOf(QLatin1Char('"'), whole + kWholeSite.size());
        const int close = open < 0 ? -1 : tagText.indexOf(QLatin1Char('"'), open + 1);
        if (close > open)
            rating.siteUrl = tagText.mid(open + 1, close - open - 1);
    }
}

} // namespace SafeSurf

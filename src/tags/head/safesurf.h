#pragma once

#include <QString>
#include <QStringList>
#include <array>

// The PICS content rating of a page in the SafeSurf vocabulary: its eleven
// categories, the ten levels of each, the META tag that carries the choice
// and how a tag found in a page presets the choice.
namespace SafeSurf {

constexpr int kCategories = 11;
constexpr int kLevels = 10; // "0) N/A" and levels 1 to 9

// "SS~~000" .. "SS~~009", "SS~~00A".
QString categoryCode(int category);
// The question the dialog asks for a category.
QString categoryQuestion(int category);
// The ten level texts of a category, "0) N/A" first.
const QStringList &levelTexts(int category);

// The address of the rating service written after "PICS-1.0", and the sample
// address the "Website URL:" field starts with.
QString serviceUrl();
QString sampleSiteUrl();

struct Rating {
    std::array<int, kCategories> levels{}; // 0: N/A (not written)
    bool wholeSite = false;                // "These ratings hold true for all pages in this site."
    QString siteUrl = sampleSiteUrl();
};

// The META tag for a rating: <META http-equiv="PICS-Label" content='(PICS-1.0
// "service" l [generic true for "site"] r (SS~~000 1 SS~~001 2))'>. Categories
// at level 0 are left out; every code but the first has a blank in front.
QString tag(const Rating &rating);

// Presets a rating from a tag found in the page: each category code the tag
// holds chooses the level written after it; "generic true for" ticks the
// whole-site box and gives the site address. What the tag does not hold
// stays as it was.
void presetFrom(const QString &tagText, Rating &rating);

// The start of a rating tag, and where a new one goes when the page has none.
QString tagStart();

} // namespace SafeSurf

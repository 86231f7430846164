#include "app/helpertips.h"

namespace HelperTopic {

QString caption(int topic) {
    switch (topic) {
    case OrphanPages:
        return QStringLiteral("Orphan Pages");
    case FullScreen:
        return QStringLiteral("Full Screen");
    case BrowserRefresh:
        return QStringLiteral("Browser Refresh");
    case SimpleTables:
        return QStringLiteral("Creating Simple Tables");
    case ImageView:
        return QStringLiteral("Toggling Image View");
    case Wordwrap:
        return QStringLiteral("Wordwrap and Line Numbers");
    case DefaultExtension:
        return QStringLiteral("Setting a Default Extension");
    case InternalClipboard:
        return QStringLiteral("Internal Clipboard Contents");
    case SavingToDefault:
        return QStringLiteral("Saving To Default");
    case CharacterConversions:
        return QStringLiteral("Character Conversions");
    default:
        return QString();
    }
}

bool &flag(Settings &s, int topic) {
    switch (topic) {
    case OrphanPages:
        return s.newFile;
    case FullScreen:
        return s.fullScreen;
    case BrowserRefresh:
        return s.browserRefresh;
    case SimpleTables:
        return s.simpleTable;
    case ImageView:
        return s.imageDisplaying;
    case Wordwrap:
        return s.wordwrapHelper;
    case DefaultExtension:
        return s.defaultExtension;
    case InternalClipboard:
        return s.internalClipboard;
    case SavingToDefault:
        return s.savingToDefault;
    default:
        return s.expandingChars;
    }
}

} // namespace HelperTopic

bool showHelperTip(UserInteraction &ui, const TipBook &tips, int topic, const QString &caption,
                   bool showFlag) {
    if (!showFlag)
        return false;
    // The dialog moves the index back by one before showing, so topic n shows
    // line n - 1 (counting from 0).
    const TipText tip = tips.isEmpty() ? TipBook::unavailable()
                                       : tips.at(tips.move(topic, TipBook::Move::Open, false));
    return ui.helperTip(caption, tip);
}

void showHelperTopic(UserInteraction &ui, const TipBook &tips, Settings &settings, int topic) {
    bool &f = HelperTopic::flag(settings, topic);
    f = showHelperTip(ui, tips, topic, HelperTopic::caption(topic), f);
}

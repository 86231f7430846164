#pragma once

#include "app/tipbook.h"
#include "app/userinteraction.h"
#include "settings/settings.h"

// The ten one-time explanations ("helper tips") of the program's features.
// Each topic has a number (its line in "TIPS.TXT", from 1), a caption and a
// flag in the settings that says whether it is still to be shown.
namespace HelperTopic {
enum Topic {
    OrphanPages = 1,
    FullScreen = 2,
    BrowserRefresh = 3,
    SimpleTables = 4,
    ImageView = 5,
    Wordwrap = 6,
    DefaultExtension = 7,
    InternalClipboard = 8,
    SavingToDefault = 9,
    CharacterConversions = 10,
};

QString caption(int topic);
bool &flag(Settings &settings, int topic);
} // namespace HelperTopic

// Shows a helper tip when its show flag is true and returns the new flag:
// false without asking when the flag is false, otherwise the state of the
// dialog's "Show Helper on next entry" box.
bool showHelperTip(UserInteraction &ui, const TipBook &tips, int topic, const QString &caption,
                   bool showFlag);

// The same, reading and storing the topic's flag in the settings.
void showHelperTopic(UserInteraction &ui, const TipBook &tips, Settings &settings, int topic);

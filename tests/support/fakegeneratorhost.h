#pragma once

#include "generators/generatorhost.h"
#include "scripteduserinteraction.h"
#include "settings/settings.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringList>
#include <QVector>

// A generator host for tests: questions go to a scripted user, insertions are
// recorded instead of reaching an editor, pictures are copied for real.
class FakeGeneratorHost : public GeneratorHost {
public:
    ScriptedUserInteraction user;
    Settings prefs;
    QString folder;     // documentFolder(), with a trailing "/"
    QString program;    // programDir(), with a trailing "/"
    TLEdit *editor = nullptr;
    QVector<int> helperTopics;
    QStringList insertedTexts;
    QVector<QStringList> insertedLines;
    QStringList copiedPictures;

    UserInteraction &ui() override { return user; }
    Settings &settings() override { return prefs; }
    void showHelperTopic(int topic) override { helperTopics << topic; }
    QString documentFolder() const override { return folder; }
    QString programDir() const override { return program; }
    QWidget *dialogParent() override { return nullptr; }
    void insertText(const QString &text) override { insertedTexts << text; }
    void insertLines(const QStringList &lines) override { insertedLines << lines; }
    TLEdit *documentEditor() override { return editor; }
    bool copyBesidePage(const QString &picturePath) override {
        copiedPictures << picturePath;
        const QString target = folder + QFileInfo(picturePath).fileName();
        return QFileInfo::exists(target) || QFile::copy(picturePath, target);
    }
};

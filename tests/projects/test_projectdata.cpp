#include "projects/projectcreation.h"
#include "projects/projectpaths.h"
#include "projects/projecttree.h"

#include <QImageReader>
#include <QtTest>

// The data files shipped for projects: the themes, the default page template
// and the pages of the Welcome project.
class TestProjectData : public QObject {
    Q_OBJECT
    QString m_data;

private slots:
    void initTestCase() {
        m_data = qEnvironmentVariable("QUILMEAD_SOURCE_DIR") + "/data/";
        QVERIFY(QFileInfo(m_data).isDir());
    }

    void everyThemeIsComplete() {
        const QStringList themes = themeNames(m_data);
        QVERIFY(themes.size() >= 3);
        for (const QString &theme : themes) {
            for (const char *prefix : {"t_", "l_", "w_", "e_", "n_", "s_", "q_"}) {
                QImageReader reader(m_data + "themes/" + prefix + theme + ".gif");
                QCOMPARE(reader.format(), QByteArray("gif"));
                const QImage image = reader.read();
                QVERIFY2(!image.isNull(), qPrintable(reader.fileName()));
                QVERIFY(image.width() >= 8 && image.height() >= 4);
            }
        }
    }

    void welcomeProjectPagesExist() {
        const ProjectTree tree = ProjectTree::defaultTree();
        for (int i = 0; i < tree.pageCount(0); ++i) {
            const QString path = entryFilePath(tree, {0, i}, m_data);
            QVERIFY2(QFileInfo(path).isFile(), qPrintable(path));
        }
        QVERIFY(QFileInfo(m_data + "template/default.htm").isFile());
    }
};

QTEST_MAIN(TestProjectData)
#include "test_projectdata.moc"

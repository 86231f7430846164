#pragma once

#include "generators/effects/imagemapgrid.h"

#include <QDialog>
#include <QImage>

class GeneratorHost;
class MapPicture;
class QAction;
class QComboBox;
class QLabel;
class QPushButton;
class QTableWidget;

// "Image Mapping" (`TSimpleForm`): the user marks the clickable areas of a
// picture by clicking on it. Each area is a row of the grid: its type, its
// link and its points. The map goes back to the Web Effects dialog ("Save map
// to page and return"), into a server-side map file or into a coordinate file
// that can be loaded again.
class ImageMapDialog : public QDialog {
    Q_OBJECT
public:
    // `pending` receives the map when it is saved to the page.
    ImageMapDialog(GeneratorHost &host, const QImage &picture, PendingMap &pending,
                   QWidget *parent = nullptr);

    const ImageMapGrid &grid() const { return m_grid; }
    MapPicture *picture() const { return m_picture; }
    QString mapName() const { return m_mapName; }

    // "Refresh": the picture again with every row's shape over it.
    void refresh();
    // "Set Positions" on the grid's current row.
    void setPositions();
    // "Map Name": asks for the map's name.
    void askMapName();
    // "Save map to page and return".
    void saveToPage();
    // "Save Map to file...", "Save Quilmead coordinate file...",
    // "Load Quilmead coordinate file...".
    void saveMapFile();
    void saveCoordinateFile();
    void loadCoordinateFile();

private:
    QWidget *buildPanel();
    void buildMenu();
    void fitToPicture();
    void showRow(int row);
    void showGrid();
    void cellEdited(int tableRow, int column);
    void cellClicked(int tableRow, int column);
    void placeMapStyle(int tableRow);
    void chooseMapStyle(const QString &text);
    void mouseMoved(int x, int y);
    void pictureClicked();
    void stopCapturing();
    void showCapturing();

    GeneratorHost &m_host;
    PendingMap &m_pending;
    ImageMapGrid m_grid;
    QString m_mapName;
    bool m_updating = false; // the grid being filled by the dialog itself
    // The partial polygon drawn inverted during a capture, erased again
    // before the next one is drawn.
    MapShape m_captureShape;

    MapPicture *m_picture = nullptr;
    QWidget *m_panel = nullptr;
    QLabel *m_x = nullptr;
    QLabel *m_y = nullptr;
    QTableWidget *m_table = nullptr;
    QLabel *m_chooseLoc = nullptr;
    QComboBox *m_mapStyle = nullptr;
    int m_mapStyleRow = -1; // the table row the type list stands over
};

// Opens the image map editor modally on the picture at `path`. A picture
// that cannot be read is told to the user and nothing opens. Returns whether
// a map was saved to the page (into `pending`).
bool openImageMapEditor(GeneratorHost &host, const QString &path, PendingMap &pending);

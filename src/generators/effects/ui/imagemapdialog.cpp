#include "generators/effects/ui/imagemapdialog.h"

#include "app/userinteraction.h"
#include "generators/effects/imagemapfiles.h"
#include "generators/effects/ui/mappicture.h"
#include "generators/generatorhost.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QImageReader>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

const QString kSaveFilter =
    QStringLiteral("External Map Files|*.MAP|Quilmead Coordinate Files *.cor|*.COR");
const QString kOpenFilter =
    QStringLiteral("Graphics|*.JPG;*.GIF|Quilmead Coordinate Files: *.cor|*.COR");

QPushButton *button(const QString &caption, const char *name, const QString &hint = QString()) {
    auto *b = new QPushButton(caption);
    b->setObjectName(QLatin1String(name));
    b->setAutoDefault(false);
    if (!hint.isEmpty())
        b->setToolTip(hint);
    return b;
}

} // namespace

ImageMapDialog::ImageMapDialog(GeneratorHost &host, const QImage &picture, PendingMap &pending,
                               QWidget *parent)
    : QDialog(parent), m_host(host), m_pending(pending) {
    setObjectName(QStringLiteral("TSimpleForm"));
    setWindowTitle(QStringLiteral("Image Mapping"));

    m_picture = new MapPicture(picture);
    m_picture->setObjectName(QStringLiteral("MultiImage1"));
    auto *scroll = new QScrollArea;
    scroll->setObjectName(QStringLiteral("PictureArea"));
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setWidget(m_picture);
    scroll->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    buildMenu();
    layout->addWidget(scroll, 1);
    m_panel = buildPanel();
    layout->addWidget(m_panel);

    connect(m_picture, &MapPicture::mouseMovedTo, this, &ImageMapDialog::mouseMoved);
    connect(m_picture, &MapPicture::clicked, this, &ImageMapDialog::pictureClicked);
    connect(m_picture, &MapPicture::rightPressed, this, &ImageMapDialog::stopCapturing);

    showGrid();
    showCapturing();
    fitToPicture();
}

void ImageMapDialog::buildMenu() {
    auto *bar = new QMenuBar(this);
    bar->setObjectName(QStringLiteral("MainMenu1"));
    QMenu *file = bar->addMenu(QStringLiteral("File"));
    file->setObjectName(QStringLiteral("File1"));
    auto add = [&](const QString &caption, const char *name, void (ImageMapDialog::*slot)()) {
        QAction *action = file->addAction(caption);
        action->setObjectName(QLatin1String(name));
        connect(action, &QAction::triggered, this, slot);
    };
    add(QStringLiteral("Save Map to file..."), "SaveFile", &ImageMapDialog::saveMapFile);
    add(QStringLiteral("Save map to page and return"), "SaveReturn", &ImageMapDialog::saveToPage);
    file->addSeparator();
    add(QStringLiteral("Save Quilmead coordinate file..."), "SaveCoord",
        &ImageMapDialog::saveCoordinateFile);
    add(QStringLiteral("Load Quilmead coordinate file..."), "LoadCoord",
        &ImageMapDialog::loadCoordinateFile);
    file->addSeparator();
    QAction *exit = file->addAction(QStringLiteral("Abandon and return"));
    exit->setObjectName(QStringLiteral("Exit1"));
    connect(exit, &QAction::triggered, this, &QDialog::reject);
    static_cast<QVBoxLayout *>(layout())->setMenuBar(bar);
}

QWidget *ImageMapDialog::buildPanel() {
    auto *panel = new QWidget;
    panel->setObjectName(QStringLiteral("Panel1"));
    auto *column = new QVBoxLayout(panel);

    m_x = new QLabel(QStringLiteral("0"));
    m_x->setObjectName(QStringLiteral("XPosition"));
    m_y = new QLabel(QStringLiteral("0"));
    m_y->setObjectName(QStringLiteral("YPosition"));
    for (QLabel *label : {m_x, m_y}) {
        label->setMinimumWidth(label->fontMetrics().horizontalAdvance(QStringLiteral("00000")));
        label->setToolTip(QStringLiteral("Mouse position on the picture"));
    }
    m_chooseLoc = new QLabel(QStringLiteral("Choose Location"));
    m_chooseLoc->setObjectName(QStringLiteral("ChooseLoc"));
    QFont bold = m_chooseLoc->font();
    bold.setBold(true);
    m_chooseLoc->setFont(bold);

    auto *refresh =
        button(QStringLiteral("Refresh"), "Button1", QStringLiteral("Display all maps"));
    auto *positions = button(QStringLiteral("Set Positions"), "BitBtn1",
                             QStringLiteral("Click to start selecting map coordinates"));
    auto *name = button(QStringLiteral("Map Name"), "Button2");
    connect(refresh, &QPushButton::clicked, this, &ImageMapDialog::refresh);
    connect(positions, &QPushButton::clicked, this, &ImageMapDialog::setPositions);
    connect(name, &QPushButton::clicked, this, &ImageMapDialog::askMapName);

    auto *row = new QHBoxLayout;
    row->addWidget(new QLabel(QStringLiteral("X:")));
    row->addWidget(m_x);
    row->addWidget(new QLabel(QStringLiteral("Y:")));
    row->addWidget(m_y);
    row->addSpacing(12);
    row->addWidget(m_chooseLoc);
    row->addStretch();
    row->addWidget(refresh);
    row->addWidget(positions);
    row->addWidget(name);
    column->addLayout(row);

    m_table = new QTableWidget(ImageMapGrid::kRows - 1, ImageMapGrid::kColumns);
    m_table->setObjectName(QStringLiteral("CoordGrid"));
    m_table->setSelectionMode(QAbstractItemView::SingleSelection);
    m_table->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                             QAbstractItemView::AnyKeyPressed);
    m_table->verticalHeader()->setDefaultSectionSize(m_table->fontMetrics().height() + 8);
    m_table->horizontalHeader()->setDefaultSectionSize(44);
    m_table->setColumnWidth(0, 90);
    m_table->setColumnWidth(1, 140);
    m_table->setMinimumHeight(m_table->verticalHeader()->defaultSectionSize() * 5 + 28);
    m_table->setMaximumHeight(m_table->verticalHeader()->defaultSectionSize() * 7 + 28);
    m_table->setCurrentCell(0, 0);
    column->addWidget(m_table);
    connect(m_table, &QTableWidget::cellChanged, this, &ImageMapDialog::cellEdited);
    connect(m_table, &QTableWidget::cellClicked, this, &ImageMapDialog::cellClicked);

    m_mapStyle = new QComboBox(m_table->viewport());
    m_mapStyle->setObjectName(QStringLiteral("MapStyle"));
    m_mapStyle->setEditable(true);
    m_mapStyle->setInsertPolicy(QComboBox::NoInsert);
    m_mapStyle->addItems(
        {QStringLiteral("rect"), QStringLiteral("poly"), QStringLiteral("default")});
    m_mapStyle->hide();
    connect(m_mapStyle, &QComboBox::textActivated, this, &ImageMapDialog::chooseMapStyle);
    connect(m_mapStyle->lineEdit(), &QLineEdit::returnPressed, this,
            [this] { chooseMapStyle(m_mapStyle->currentText()); });
    // The list belongs to its row: once the grid scrolls, it would stand
    // over another.
    for (QScrollBar *bar : {m_table->verticalScrollBar(), m_table->horizontalScrollBar()})
        connect(bar, &QScrollBar::valueChanged, m_mapStyle, &QWidget::hide);
    return panel;
}

// The picture at its own size above the panel; the window as large as both,
// as far as the screen allows (the picture scrolls beyond that).
void ImageMapDialog::fitToPicture() {
    const QSize picture = m_picture->size();
    const QSize panel = m_panel->sizeHint();
    QSize wanted(qMax(picture.width(), panel.width()),
                 picture.height() + panel.height() + layout()->menuBar()->sizeHint().height());
    if (const QScreen *screen = QApplication::primaryScreen()) {
        const QSize room = screen->availableGeometry().size() - QSize(40, 80);
        wanted = wanted.boundedTo(room.expandedTo(QSize(320, 240)));
    }
    resize(wanted);
}

void ImageMapDialog::showRow(int row) {
    if (row < 1 || row >= ImageMapGrid::kRows)
        return;
    m_updating = true;
    for (int column = 0; column < ImageMapGrid::kColumns; ++column) {
        const QString text = m_grid.cell(row, column);
        QTableWidgetItem *item = m_table->item(row - 1, column);
        if (!item) {
            if (text.isEmpty())
                continue;
            item = new QTableWidgetItem;
            m_table->setItem(row - 1, column, item);
        }
        item->setText(text);
    }
    m_updating = false;
    if (m_mapStyle->isVisible() && m_mapStyleRow == row - 1)
        m_mapStyle->setEditText(m_grid.type(row));
}

void ImageMapDialog::showGrid() {
    QStringList header;
    for (int column = 0; column < ImageMapGrid::kColumns; ++column)
        header << m_grid.cell(0, column);
    m_table->setHorizontalHeaderLabels(header);
    for (int row = 1; row < ImageMapGrid::kRows; ++row)
        showRow(row);
}

void ImageMapDialog::cellEdited(int tableRow, int column) {
    if (m_updating)
        return;
    const QTableWidgetItem *item = m_table->item(tableRow, column);
    m_grid.setCell(tableRow + 1, column, item ? item->text() : QString());
}

void ImageMapDialog::cellClicked(int tableRow, int column) {
    if (column == 0)
        placeMapStyle(tableRow);
    else
        m_mapStyle->hide();
}

void ImageMapDialog::placeMapStyle(int tableRow) {
    m_table->setCurrentCell(tableRow, 0);
    m_mapStyleRow = tableRow;
    const QRect cell = m_table->visualRect(m_table->model()->index(tableRow, 0));
    m_mapStyle->setGeometry(cell.x(), cell.y(), qMax(cell.width(), 80), cell.height());
    m_mapStyle->setEditText(m_grid.type(tableRow + 1));
    m_mapStyle->show();
    m_mapStyle->raise();
}

void ImageMapDialog::chooseMapStyle(const QString &text) {
    if (m_mapStyleRow < 0)
        return;
    m_grid.setCell(m_mapStyleRow + 1, 0, text);
    showRow(m_mapStyleRow + 1);
}

void ImageMapDialog::mouseMoved(int x, int y) {
    m_x->setText(QString::number(x + 1));
    m_y->setText(QString::number(y + 1));
}

void ImageMapDialog::showCapturing() {
    m_chooseLoc->setVisible(m_grid.capturing());
}

void ImageMapDialog::setPositions() {
    const int row = qMax(0, m_table->currentRow()) + 1;
    m_grid.setPositions(row);
    m_captureShape = MapShape();
    showRow(row);
    showCapturing();
}

void ImageMapDialog::stopCapturing() {
    m_grid.stopCapturing();
    m_captureShape = MapShape();
    showCapturing();
}

void ImageMapDialog::pictureClicked() {
    if (!m_grid.capturing())
        return;
    QApplication::beep();
    const int row = m_grid.captureRow();
    m_grid.addPoint(m_x->text().toInt(), m_y->text().toInt());
    showRow(row);
    if (m_grid.capturedPoints() > 1) {
        MapShape shape;
        m_grid.shape(row, shape, nullptr);
        if (shape.kind == MapShape::Rect) {
            m_picture->drawWhite(shape);
        } else {
            // The polygon so far replaces the one drawn after the last point.
            if (shape.kind == MapShape::Poly)
                m_picture->drawInverted(m_captureShape);
            m_picture->drawInverted(shape);
            m_captureShape = shape;
        }
    }
    if (!m_grid.capturing())
        m_captureShape = MapShape();
    showCapturing();
}

void ImageMapDialog::refresh() {
    m_picture->restore();
    m_captureShape = MapShape();
    // One message for the first shape that cannot be drawn; the others are
    // drawn all the same.
    bool told = false;
    for (int row = 1; row < ImageMapGrid::kRows; ++row) {
        MapShape shape;
        QString error;
        if (!m_grid.shape(row, shape, &error)) {
            if (!told)
                m_host.ui().message(error, Msg::Error, Msg::Ok);
            told = true;
            continue;
        }
        if (shape.kind == MapShape::Rect)
            m_picture->drawWhite(shape);
        else
            m_picture->drawInverted(shape);
    }
}

void ImageMapDialog::askMapName() {
    QString value = m_mapName;
    if (m_host.ui().inputBox(QStringLiteral("Map Name"), QStringLiteral("Name of map:"), value))
        m_mapName = value;
}

void ImageMapDialog::saveToPage() {
    if (m_mapName.isEmpty()) {
        m_host.ui().message(QStringLiteral("You must give your map a name first.  Click the button "
                                           "\"Map Name\" to assign it a name."),
                            Msg::Information, Msg::Ok);
        return;
    }
    m_pending.name = m_mapName;
    m_pending.lines = m_grid.pageMapLines(m_mapName);
    accept();
}

void ImageMapDialog::saveMapFile() {
    FileRequest request;
    request.caption = QStringLiteral("Save As");
    request.folder = m_host.documentFolder();
    request.filter = kSaveFilter;
    request.filterIndex = 1;
    const QString path = m_host.ui().saveFile(request);
    if (path.isEmpty())
        return;
    QString error;
    if (!ImageMapFiles::saveServerMap(m_grid, path, &error))
        m_host.ui().message(error, Msg::Error, Msg::Ok);
}

void ImageMapDialog::saveCoordinateFile() {
    FileRequest request;
    request.caption = QStringLiteral("Save As");
    request.folder = m_host.documentFolder();
    request.filter = kSaveFilter;
    request.filterIndex = 2;
    const QString path = m_host.ui().saveFile(request);
    if (path.isEmpty())
        return;
    QString error;
    if (!ImageMapFiles::saveCoordinates(m_grid, path, &error))
        m_host.ui().message(error, Msg::Error, Msg::Ok);
}

void ImageMapDialog::loadCoordinateFile() {
    FileRequest request;
    request.caption = QStringLiteral("Open");
    request.folder = m_host.documentFolder();
    request.filter = kOpenFilter;
    request.filterIndex = 2;
    const QString path = m_host.ui().openFile(request);
    if (path.isEmpty())
        return;
    QString notes, error;
    const bool read = ImageMapFiles::loadCoordinates(m_grid, path, notes, &error);
    showGrid();
    if (!read)
        m_host.ui().message(error, Msg::Error, Msg::Ok);
    else if (!notes.isEmpty())
        m_host.ui().message(notes, Msg::Warning, Msg::Ok);
}

bool openImageMapEditor(GeneratorHost &host, const QString &path, PendingMap &pending) {
    QImage picture;
    QString why;
    {
        QApplication::setOverrideCursor(Qt::WaitCursor);
        QImageReader reader(path);
        reader.setDecideFormatFromContent(true);
        picture = reader.read();
        if (picture.isNull())
            why = reader.errorString();
        QApplication::restoreOverrideCursor();
    }
    if (picture.isNull()) {
        host.ui().message(QStringLiteral("The picture %1 cannot be shown: %2.").arg(path, why),
                          Msg::Error, Msg::Ok);
        return false;
    }
    ImageMapDialog dialog(host, picture, pending, host.dialogParent());
    return dialog.exec() == QDialog::Accepted;
}

#pragma once

#include <QColor>
#include <QComboBox>

// A drop-down of colour swatches with their names: the named colours in
// their order. A colour that none of them has (one stored earlier, or a
// preset's) is shown as one more entry, named by its "#RRGGBB" text, for as
// long as it is chosen.
class ColorBox : public QComboBox {
    Q_OBJECT
public:
    explicit ColorBox(QWidget *parent = nullptr);

    QColor color() const;
    // Chooses the colour without sending colorChanged.
    void setColor(const QColor &color);

signals:
    // The user chose another colour.
    void colorChanged(const QColor &color);

protected:
    void changeEvent(QEvent *event) override;

private:
    void addEntry(const QString &name, const QColor &color);
    void dropExtraEntry();
    void repaintSwatches();
};

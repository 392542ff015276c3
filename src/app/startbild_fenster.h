#pragma once

#include <QWidget>

// The start picture of the start page and the advertising page, drawn at the size it is given.
class Startbild : public QWidget
{
    Q_OBJECT

public:
    explicit Startbild(QWidget *eltern = nullptr);

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent *ereignis) override;
};

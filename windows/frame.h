#pragma once

#include <QGroupBox>

namespace vorn {

// A frame as designed: its border runs through the middle of its caption, so that the controls
// placed just below the caption stand clear of it.
class Frame : public QGroupBox
{
    Q_OBJECT

public:
    explicit Frame(const QString &caption, QWidget *parent = nullptr);

protected:
    void paintEvent(QPaintEvent *event) override;
};

// A frame with its design name and caption (none: a plain border).
Frame *makeFrame(QWidget *parent, const char *name, const QString &caption = QString());

} // namespace vorn

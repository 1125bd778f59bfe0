#pragma once

#include <QCheckBox>
#include <QLabel>

namespace vorn {

// A label that acts as a link: the hand cursor, and a left click anywhere on it emits clicked().
class LinkLabel : public QLabel
{
    Q_OBJECT

public:
    explicit LinkLabel(const QString &text, QWidget *parent = nullptr);

    // Follows the link, as a click does: for the keyboard's and assistive tools' sake.
    void activate();

Q_SIGNALS:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    // Where a link takes the keyboard focus, Enter, Return and Space follow it.
    void keyPressEvent(QKeyEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    bool m_pressed = false;
};

// A label that reacts to a click like a link but keeps the ordinary arrow cursor.
class ClickableLabel : public LinkLabel
{
    Q_OBJECT

public:
    explicit ClickableLabel(const QString &text, QWidget *parent = nullptr);
};

// A check box that serves as a link: a click anywhere in its rectangle counts, not only on the
// box and its caption.
class LinkCheckBox : public QCheckBox
{
    Q_OBJECT

public:
    using QCheckBox::QCheckBox;

protected:
    bool hitButton(const QPoint &pos) const override;
};

// One of the two offer labels that share a place at the foot of the working windows: red,
// bold, underlined, word-wrapped and opaque, so that the one in front hides the other.
LinkLabel *makeOfferLabel(const char *name, const QString &caption, QWidget *parent);

} // namespace vorn

#pragma once

#include <QGroupBox>
#include <optional>

namespace vorn {

// A frame as designed: its border runs through the middle of its caption, so that the controls
// placed just below the caption stand clear of it.
class Frame : public QGroupBox
{
    Q_OBJECT

public:
    explicit Frame(const QString &caption, QWidget *parent = nullptr);

    // The caption's own font, where it differs from the frame's, which the controls inside take.
    void setCaptionFont(const QFont &font);
    QFont captionFont() const;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    std::optional<QFont> m_captionFont;
};

// A frame with its design name and caption (none: a plain border).
Frame *makeFrame(QWidget *parent, const char *name, const QString &caption = QString());

} // namespace vorn

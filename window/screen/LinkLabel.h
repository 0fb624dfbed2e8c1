#pragma once

#include <QLabel>
#include <QMouseEvent>

namespace esoa {

// A label that looks like a link (underlined, highlight colour, pointing hand) and raises Click on a
// left click, or on Enter or Space while it has the focus. It takes the focus by Tab or click and
// then shows a dotted frame around its text. Screen readers see a link named by its text, whose
// press action raises Click.
class LinkLabel : public QLabel {
    Q_OBJECT
public:
    explicit LinkLabel(const QString& text, QWidget* parent = nullptr);

signals:
    void Click();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace esoa

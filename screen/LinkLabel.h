#pragma once

#include <QLabel>
#include <QMouseEvent>

namespace esoa {

// A label that looks like a link (underlined, highlight colour, pointing hand) and raises Click.
class LinkLabel : public QLabel {
    Q_OBJECT
public:
    explicit LinkLabel(const QString& text, QWidget* parent = nullptr);

signals:
    void Click();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
};

}  // namespace esoa

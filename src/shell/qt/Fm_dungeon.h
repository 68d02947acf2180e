#pragma once

#include <QWidget>
#include <functional>

class QFrame;

// The child window in which the village and the dungeons are played. Its
// fixed size leaves room for the talk box, the values, the automap and the
// command buttons beside the 3D view.
class TFormDung final : public QWidget {
    Q_OBJECT
public:
    explicit TFormDung(QWidget* parent = nullptr);

    // The 3D view.
    QFrame* Panel3() const { return panel3; }

    // Told when the window closes, whoever closes it.
    std::function<void()> whenClosed;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    QFrame* panel3;
};

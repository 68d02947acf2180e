#pragma once

#include <QWidget>
#include <functional>

class QFrame;
class QGroupBox;
class QLabel;

// The child window in which the village and the dungeons are played. Its
// fixed size leaves room for the talk box, the values, the automap and the
// command buttons beside the 3D view.
class TFormDung final : public QWidget {
    Q_OBJECT
public:
    explicit TFormDung(QWidget* parent = nullptr);

    // The 3D view.
    QFrame* Panel3() const { return panel3; }

    // The heroine's values in the group "プロパティ".
    void ShowHeroValues(int hp, int maxHp, int attack, int defence, int level, int next);
    void ShowHeroPower(int attack, int defence);
    void ShowNext(int next);
    // The green remark line over the 3D view; the empty text hides it.
    void ShowRemark(const QString& text);

    QGroupBox* GroupBox1() const { return groupBox1; }
    QLabel* Panel5() const { return panel5; }

    // Told when the window closes, whoever closes it.
    std::function<void()> whenClosed;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    QLabel* AddValueLabel(const QString& name, int left, int top, const QColor& text,
                          const QColor& back);

    QFrame* panel3;
    QLabel* panel5;
    QGroupBox* groupBox1;
    QLabel* label6;
    QLabel* label7;
    QLabel* label8;
    QLabel* label9;
    QLabel* label10;
    QLabel* label23;
};

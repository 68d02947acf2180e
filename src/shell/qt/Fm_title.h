#pragma once

#include <QWidget>

class TApp;

// The title: the title picture with "START" and "CONTINUE".
class TFormTitle final : public QWidget {
    Q_OBJECT
public:
    explicit TFormTitle(TApp& opener, QWidget* parent = nullptr);

private:
    TApp& app;
};

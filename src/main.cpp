#include "shell/qt/GameMain.h"

int main(int argc, char** argv) {
    return RunGame(argc, argv);
}

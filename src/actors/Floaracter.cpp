#include "actors/Floaracter.h"

int TFloarActer::GetDestination(int, int&, int&) {
    return 0;
}

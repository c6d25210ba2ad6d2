#include "app/ErrorWindow.h"

void showErrorWindow(const std::string&) {}

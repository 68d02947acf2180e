#pragma once

#include <string>

// The game folder whose content the floor benchmark draws ("game" unless set).
void SetGameFolder(const std::string& folder);

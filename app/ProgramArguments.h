#pragma once

#include <string>
#include <vector>

// The arguments after the program's name, in UTF-8. Windows hands main its
// command line in the code page, where a folder such as "Моды" arrives as
// "????", so there they are read from the wide command line instead.
std::vector<std::string> programArguments(int argc, char** argv);

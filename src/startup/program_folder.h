#pragma once
// `ResPath`: the folder of the running program, where its resource archive
// lies. Taken from /proc/self/exe, which names the program itself even when it
// was started through a symbolic link (an installed bin/verlano).

#include <string>
#include <string_view>

namespace verlano {

// The folder part of an absolute program path, ending in "/": "/usr/lib/verlano/"
// for "/usr/lib/verlano/verlano", and "/" (not "//") for a program in the root.
std::string FolderOf(std::string_view programPath);

// The running program's folder, or empty when the system cannot say.
std::string RunningProgramFolder();

}  // namespace verlano

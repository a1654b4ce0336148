#pragma once

#include <QString>

// What went wrong with a file, in French whatever the system's language, for
// the errors a user meets: a full disk, a read-only disk, no permission, no
// such file or folder. Other errors keep the system's own words.
namespace FileProblem {
QString describe(int error);
} // namespace FileProblem

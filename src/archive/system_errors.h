// The reasons the system gives for a failed file operation, in the user's words.
#pragma once

#include <QString>

namespace archive {

// "磁盘空间已满" for ENOSPC, "没有写入权限" for EACCES …; an error without words of its own
// is named by the system's text and number.
QString systemErrorText(int errorNumber);

}  // namespace archive

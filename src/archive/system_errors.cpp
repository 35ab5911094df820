#include "archive/system_errors.h"

#include <cerrno>
#include <cstring>

namespace archive {

QString systemErrorText(int errorNumber)
{
    switch (errorNumber) {
    case ENOSPC:
        return QStringLiteral("磁盘空间已满");
    case EDQUOT:
        return QStringLiteral("超出了磁盘配额");
    case EACCES:
    case EPERM:
        return QStringLiteral("没有权限");
    case EROFS:
        return QStringLiteral("磁盘是只读的");
    case EIO:
        return QStringLiteral("磁盘读写出错");
    case EFBIG:
        return QStringLiteral("文件超过了允许的大小");
    case EISDIR:
        return QStringLiteral("同名的文件夹占了文件的位置");
    case ENOTDIR:
    case ENOENT:
        return QStringLiteral("文件夹不存在");
    case ENAMETOOLONG:
        return QStringLiteral("文件路径太长");
    case ELOOP:
        return QStringLiteral("链接绕成了圈");
    case EMFILE:
    case ENFILE:
        return QStringLiteral("打开的文件太多");
    case ENOMEM:
        return QStringLiteral("内存不足");
    default:
        return QStringLiteral("系统错误 %1（%2）")
            .arg(errorNumber)
            .arg(QString::fromLocal8Bit(std::strerror(errorNumber)));
    }
}

}  // namespace archive

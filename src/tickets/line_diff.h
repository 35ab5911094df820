// The edits that turn one text into another line by line, so that a large text box can
// apply a change that touches many lines slightly (a check appends to every line, a row
// replace changes one line in the middle) without building all its lines anew.
#pragma once

#include <QString>
#include <optional>
#include <vector>

namespace lines {

// Replace `removed` characters at `position` of the old text with `inserted`.
struct TextEdit {
    qsizetype position = 0;
    qsizetype removed = 0;
    QString inserted;
};

// The edits that turn `before` into `after` ("\n" between lines), in descending order
// of position so that each applies to the text the later ones left: for each line the
// two texts share by index, the part between its common start and common end; the lines
// one text has beyond the other in one edit at the end. std::nullopt when the edits
// would remove or insert more than `limit` characters in all.
std::optional<std::vector<TextEdit>> lineDiff(QStringView before, QStringView after,
                                              qsizetype limit);

}  // namespace lines

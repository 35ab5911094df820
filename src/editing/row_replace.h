// The row replace editor's replacement of one ticket line in the ticket text, by row
// number or by content.
#pragma once

#include "editing/row_fields.h"

#include <QString>
#include <QtGlobal>

namespace editing {

enum class ReplacePath { None, ByRow, ByContent };
ReplacePath replacePath(const RowEditorFields& fields);

struct ReplaceOutcome {
    ReplacePath path = ReplacePath::None;
    bool replaced = false;  // true: success, the editor is reset
    QString text;           // the ticket text to write back (also after some failures)
    QString message;        // the message to show; empty for no path
};

// Replaces by row number (that row only) or by content (every occurrence).
ReplaceOutcome replaceLine(const QString& boxText, const RowEditorFields& fields);

}  // namespace editing

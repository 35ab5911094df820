// The slot a start opens, read, decoded and made into the ticket box's document on a
// worker thread while the main window builds its controls.
#pragma once

#include "archive/archive_files.h"

#include <QString>
#include <memory>
#include <optional>

class QFont;
class QTextDocument;
class BackgroundDocument;

class SlotPreload {
public:
    // Starts reading `dataFile` of `folder` for a box in `boxFont`.
    SlotPreload(const QString& folder, const QString& dataFile, const QFont& boxFont);
    ~SlotPreload();

    struct Slot {
        archive::SlotLoad load;
        QTextDocument* document = nullptr;  // the box's text, owned by the caller
    };
    // The slot once read, when it is `dataFile` of `folder`; std::nullopt for another file
    // or when reading takes too long (the caller then reads the file itself).
    std::optional<Slot> take(const QString& folder, const QString& dataFile);

private:
    QString m_folder;
    QString m_dataFile;
    std::shared_ptr<archive::SlotLoad> m_load;  // written by the worker
    std::unique_ptr<BackgroundDocument> m_document;
};

#include "session/slot_preload.h"

#include "widgets/background_document.h"
#include "widgets/widget_text.h"

namespace {

// Past this the file is read again on the main thread: a stalled read fails the same
// way there, and no start waits on a worker for ever.
constexpr int kWaitMs = 60000;

}  // namespace

SlotPreload::SlotPreload(const QString& folder, const QString& dataFile, const QFont& boxFont)
    : m_folder(folder), m_dataFile(dataFile), m_load(std::make_shared<archive::SlotLoad>())
{
    m_document = std::make_unique<BackgroundDocument>(
        [load = m_load, folder, dataFile] {
            *load = archive::loadSlotData(folder, dataFile);
            return toWidgetText(load->slot.text);
        },
        boxFont);
}

SlotPreload::~SlotPreload() = default;

std::optional<SlotPreload::Slot> SlotPreload::take(const QString& folder, const QString& dataFile)
{
    if (!m_document || folder != m_folder || dataFile != m_dataFile
        || !m_document->waitForDocument(kWaitMs))
        return std::nullopt;
    Slot slot{std::move(*m_load), m_document->takeDocument()};
    m_document.reset();
    return slot;
}

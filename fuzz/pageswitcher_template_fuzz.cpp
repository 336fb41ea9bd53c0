// The page switcher's template reader on arbitrary bytes: it must stay
// inside the resource, keep every text terminated inside its buffer and
// never hand out more creation data than its buffer holds.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "controls/pageswitcher/dialog_template.h"
#include "controls/pageswitcher/label_list.h"

using namespace quorl::pageswitcher;

namespace {

void CheckTerminated(const char* text, std::size_t size) {
    if (std::memchr(text, 0, size) == nullptr) {
        std::abort();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // An exact-size copy, so that AddressSanitizer sees any read past its end.
    const std::vector<std::uint8_t> resource(data, data + size);
    DialogTemplateReader reader(resource.data(), resource.size());
    const DialogHeader& header = reader.header();
    CheckTerminated(header.caption, sizeof header.caption);
    CheckTerminated(header.faceName, sizeof header.faceName);

    // The labels of the template go through the page's label list, as the
    // loader packs them.
    std::vector<std::uint8_t> labels;
    DialogItem item;
    int items = 0;
    while (reader.Next(item)) {
        if (++items > header.itemCount || item.creationSize > sizeof item.creationData) {
            std::abort();
        }
        CheckTerminated(item.className, sizeof item.className);
        CheckTerminated(item.title, sizeof item.title);
        const std::size_t at = labels.size();
        labels.resize(at + LabelRecordSize(item.title));
        WriteLabel(labels.data() + at, {item.x, item.y, item.cx, item.cy}, item.style, item.title);
    }
    labels.resize(labels.size() + kLabelEndSize);
    EndLabels(labels.data() + labels.size() - kLabelEndSize);
    LabelWalk walk(labels.data(), labels.size());
    Label label;
    while (walk.Next(label)) {
        if (label.offset >= labels.size()) {
            std::abort();
        }
    }
    return 0;
}

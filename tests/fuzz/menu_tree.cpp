// The screen tree: the input holds "menu.txt" and "menutext.txt" (the first
// two bytes, little-endian, say how long the menu part is), built as
// loadMenus builds them; every node must stay inside the tree's limits and
// be found again by its name.
#include "fuzz_support.h"
#include "ui/menu_tree.h"

#include <cstring>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 2 || size > 65536) return 0;
    size_t menuSize = size_t(data[0]) | size_t(data[1]) << 8;
    const char* rest = reinterpret_cast<const char*>(data + 2);
    if (menuSize > size - 2) menuSize = size - 2;
    aw::resetMenuTree();
    int count = aw::buildMenuTree(rest, menuSize, rest + menuSize, size - 2 - menuSize);
    FUZZ_CHECK(count >= 0 && count <= aw::kMaxMenuNodes && count == aw::menuNodeCount());
    aw::MenuNode* first = aw::menuNodeAt(0);
    for (int i = 0; i < count; ++i) {
        aw::MenuNode* n = aw::menuNodeAt(i);
        FUZZ_CHECK(n != nullptr);
        FUZZ_CHECK(std::strlen(n->name) < size_t(aw::kMenuNameSize));
        FUZZ_CHECK(std::strlen(n->text) < size_t(aw::kMenuNameSize));
        FUZZ_CHECK(aw::findMenuNode(n->name) == n);
        FUZZ_CHECK(n->childCount >= 0 && n->childCount <= aw::kMaxMenuChildren);
        for (int c = 0; c < n->childCount; ++c) {
            FUZZ_CHECK(n->children[c] >= first && n->children[c] < first + count);
            FUZZ_CHECK(aw::childIndex(n, n->children[c]) >= 0);
        }
    }
    int lines = aw::creditsLineCount();
    FUZZ_CHECK(lines >= 0 && lines <= aw::kMaxCreditsLines);
    for (int i = 0; i < lines; ++i) FUZZ_CHECK(std::strlen(aw::creditsLine(i)) < size_t(aw::kMenuNameSize));
    aw::resetMenuTree();
    return 0;
}

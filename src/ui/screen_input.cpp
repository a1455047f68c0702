// Keys, clicks, double clicks and the text entry of the name screens.
#include "ui/navigation_state.h"
#include "ui/screen_content.h"

#include "audio/sound_system.h"
#include "platform/events.h"
#include "render/text.h"
#include "ui/ui_hooks.h"

#include <cstring>

namespace aw {
namespace {

void toggleFocusedCheckBox() {
    if (nav.focused < 0 || nav.focused >= widgets.controlCount) return;
    UiControl& c = widgets.controls[nav.focused];
    if (c.kind == kControlCheckBox) c.on = !c.on;
}

// Would the name stay inside its field with c typed at the caret?
bool fits(char c) {
    if (nav.editLength >= kEditBufferSize - 1) return false;
    char trial[kEditBufferSize + 1];
    std::memcpy(trial, nav.edit, size_t(nav.caret));
    trial[nav.caret] = c;
    std::memcpy(trial + nav.caret + 1, nav.edit + nav.caret, size_t(nav.editLength - nav.caret) + 1);
    return measureText(trial, kEditFontSize) < kEditWidthLimit;
}

void editKey(int key) {
    char* e = nav.edit;
    switch (key) {
    case vk::Back:
        if (nav.caret > 0) {
            std::memmove(e + nav.caret - 1, e + nav.caret, size_t(nav.editLength - nav.caret) + 1);
            --nav.caret;
            --nav.editLength;
        }
        return;
    case vk::Delete:
        if (nav.caret < nav.editLength) {
            std::memmove(e + nav.caret, e + nav.caret + 1, size_t(nav.editLength - nav.caret));
            --nav.editLength;
        }
        return;
    case vk::Home: nav.caret = 0; return;
    case vk::End: nav.caret = nav.editLength; return;
    case vk::Left:
        if (nav.caret > 0) --nav.caret;
        return;
    case vk::Right:
        if (nav.caret < nav.editLength) ++nav.caret;
        return;
    default: break;
    }
    bool typed = (key >= 'A' && key <= 'Z') || (key >= '0' && key <= '9') || key == vk::Space;
    if (!typed || !fits(char(key))) return;
    std::memmove(e + nav.caret + 1, e + nav.caret, size_t(nav.editLength - nav.caret) + 1);
    e[nav.caret++] = char(key);
    ++nav.editLength;
}

bool cannotEscape(const MenuNode* screen) {
    return screen && (std::strcmp(screen->name, "newprofile") == 0 || std::strcmp(screen->name, "messageboxok") == 0);
}

} // namespace

void processPendingKey() {
    int key = nav.pendingKey;
    if (!key) return;
    if (nav.textEntry) editKey(key);
    if (nav.mainHidden) {
        nav.mainHidden = false;
        nav.pendingKey = 0;
        openScreenByName("main");
        return;
    }
    key = remapScreenKey(nav.current, key);
    if (!key || !nav.current) return;
    int count = nav.current->childCount;
    switch (key) {
    case vk::Return:
        if (nav.selected < 0) {
            toggleFocusedCheckBox();
        } else if (currentChild(nav.selected)) {
            playEffect("ButtonClick.ogg");
            nav.pendingItem = true;
            nav.itemIndex = nav.selected;
            closeCurrentScreen();
        }
        break;
    case vk::Escape:
        if (cannotEscape(nav.current)) break;
        nav.pendingBack = true;
        closeCurrentScreen();
        nav.selected = 0;
        break;
    case vk::Space: toggleFocusedCheckBox(); break;
    case vk::Left:
    case vk::Up:
        if (--nav.selected < 0) nav.selected = count - 1;
        break;
    case vk::Right:
    case vk::Down:
        if (++nav.selected >= count) nav.selected = 0;
        break;
    default: break;
    }
}

void screenKeyDown(int key) {
    if (fadeRunning()) return;
    nav.pendingKey = key;
}

void setScreenMouse(int cx, int cy) {
    // Client pixels of the 800 x 600 frame to the centred, y-up screen.
    nav.mouseX = float(cx) - 400.0f;
    nav.mouseY = 300.0f - float(cy);
}
float mouseVirtualX() { return nav.mouseX; }
float mouseVirtualY() { return nav.mouseY; }

void screenMouseMoved() {
    uicall::refreshMouse();
    nav.mouseMoved = true;
}

void screenClick() {
    uicall::refreshMouse();
    uicall::mapClick();
    if (nav.mainHidden) {
        nav.mainHidden = false;
        openScreenByName("main");
        return;
    }
    nav.sliderDrag = true;
    nav.mouseMoved = true;
    if (currentScreenIs("credits")) {
        nav.pendingKey = vk::Return;
        return;
    }
    if (!fadeRunning())
        for (int i = 0; i < widgets.lineCount; ++i)
            if (lineHit(widgets.lines[i], nav.mouseX, nav.mouseY)) {
                nav.pendingKey = vk::Return;
                break;
            }
    for (int i = 0; i < widgets.controlCount; ++i) {
        UiControl& c = widgets.controls[i];
        if (c.kind == kControlSlider) {
            if (sliderClickBehavior(c, nav.mouseX, nav.mouseY) == SliderClick::kFocus) nav.focused = i;
            continue;
        }
        if (!controlHit(c, nav.mouseX, nav.mouseY)) continue;
        switch (c.kind) {
        case kControlCheckBox:
            c.on = !c.on;
            nav.focused = i;
            break;
        case kControlLeftArrow: nav.pendingKey = vk::Left; break;
        case kControlRightArrow: nav.pendingKey = vk::Right; break;
        case kControlLink: openProfilesFromLink(); break;
        case kControlProfileLine: nav.focused = i; break;
        default: break;
        }
    }
}

void screenDoubleClick() {
    uicall::refreshMouse();
    if (nav.fadeIn) return;
    for (int i = 0; i < widgets.controlCount; ++i) {
        UiControl& c = widgets.controls[i];
        if (c.kind != kControlProfileLine || !controlHit(c, nav.mouseX, nav.mouseY)) continue;
        nav.focused = i;
        MenuNode* select = findMenuNode("selectprofile");
        int index = childIndex(nav.current, select);
        if (index >= 0) {
            nav.selected = index;
            nav.pendingKey = vk::Return;
        }
        return;
    }
    screenClick();
}

void screenRelease() { nav.sliderDrag = false; }

bool textEntryActive() { return nav.textEntry; }

void startTextEntry(const char* initial) {
    nav.textEntry = true;
    nav.editLength = 0;
    nav.caret = 0;
    nav.edit[0] = 0;
    if (!initial) return;
    size_t n = std::strlen(initial);
    if (n > size_t(kEditBufferSize - 1)) n = kEditBufferSize - 1;
    std::memcpy(nav.edit, initial, n);
    nav.edit[n] = 0;
    nav.editLength = int(n);
}

void stopTextEntry() { nav.textEntry = false; }
const char* editText() { return nav.edit; }
int editCaret() { return nav.caret; }

} // namespace aw

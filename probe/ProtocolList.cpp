#include "ProtocolList.h"

namespace probe {

void ProtocolList::add(const std::string& line) {
    lines_.push_back(line);
    if (view_) view_->lineAdded(line);
}

void ProtocolList::clear() {
    lines_.clear();
    selected_ = static_cast<std::size_t>(-1);
    if (view_) view_->cleared();
}

void ProtocolList::select(std::size_t index) {
    if (index >= lines_.size()) return;
    selected_ = index;
    if (view_) view_->lineSelected(index);
}

void ProtocolList::setHorizontalExtent(int pixels) {
    extent_ = pixels;
    if (view_) view_->horizontalExtentSet(pixels);
}

}  // namespace probe

#pragma once
#include <string>
#include <vector>

namespace probe {

// Shows the protocol as it grows (the main window's list box).
class ProtocolView {
public:
    virtual ~ProtocolView() = default;
    virtual void lineAdded(const std::string& line) = 0;
    virtual void cleared() = 0;
    virtual void lineSelected(std::size_t index) = 0;
    virtual void horizontalExtentSet(int pixels) = 0;
};

// The ordered lines of one protocol. A separator is a line holding one blank.
class ProtocolList {
public:
    void setView(ProtocolView* view) { view_ = view; }

    void add(const std::string& line);
    void addSeparator() { add(" "); }
    void clear();
    std::size_t count() const { return lines_.size(); }
    const std::string& line(std::size_t index) const { return lines_.at(index); }
    const std::vector<std::string>& lines() const { return lines_; }
    void select(std::size_t index);
    std::size_t selected() const { return selected_; }
    void setHorizontalExtent(int pixels);
    int horizontalExtent() const { return extent_; }

private:
    std::vector<std::string> lines_;
    std::size_t selected_ = static_cast<std::size_t>(-1);
    int extent_ = 0;
    ProtocolView* view_ = nullptr;
};

}  // namespace probe

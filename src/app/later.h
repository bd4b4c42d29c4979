#pragma once
// A window made the first time something needs it, or when the program gets round to it once the
// table is on screen, whichever comes first: the start draws only what the first frame shows.

#include <functional>
#include <memory>
#include <utility>

template <class Window>
class Later {
public:
    using Maker = std::function<std::unique_ptr<Window>()>;

    explicit Later(Maker maker) : maker_(std::move(maker)) {}
    Later(const Later&) = delete;
    Later& operator=(const Later&) = delete;

    Window& operator*() { return *get(); }
    Window* operator->() { return get(); }
    Window* get()
    {
        if (!made_)
            made_ = maker_();
        return made_.get();
    }
    bool made() const { return made_ != nullptr; }

private:
    Maker maker_;
    std::unique_ptr<Window> made_;
};

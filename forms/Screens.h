#pragma once
// The open screens of the program. Opening a screen that is already open
// only brings it forward; the program ends when the last one closes.
#include <functional>
#include <memory>
#include <utility>
#include <vector>

#include "forms/Form.h"
#include "forms/Peers.h"

namespace forms {

class Screens {
  public:
    explicit Screens(Renderer& renderer) : renderer_(renderer) {}
    ~Screens();
    Screens(const Screens&) = delete;
    Screens& operator=(const Screens&) = delete;

    template <class F, class... Args>
    F& Open(Args&&... args) {
        if (F* open = Find<F>()) {
            renderer_.BringForward(*open);
            return *open;
        }
        auto form = std::make_unique<F>(*this, std::forward<Args>(args)...);
        F& screen = *form;
        Load(std::move(form));
        return screen;
    }

    template <class F>
    F* Find() const {
        for (const auto& form : open_)
            if (auto* found = dynamic_cast<F*>(form.get())) return found;
        return nullptr;
    }

    template <class F>
    void Close() {
        if (F* open = Find<F>()) Close(*open);
    }

    void Close(Form& form);
    bool IsOpen(const Form& form) const;
    std::size_t Count() const { return open_.size(); }
    const std::vector<std::unique_ptr<Form>>& open() const { return open_; }

    // Frees the screens closed since the last call and ends the command's
    // work; the renderer calls it when no command is running.
    void Collect() {
        closed_.clear();
        if (idle_) idle_();
    }
    // What ends each command's work (a policy object's version is raised
    // once per command, not once per value).
    void WhenIdle(std::function<void()> idle) { idle_ = std::move(idle); }

  private:
    void Load(std::unique_ptr<Form> form);

    Renderer& renderer_;
    std::vector<std::unique_ptr<Form>> open_;
    std::vector<std::unique_ptr<Form>> closed_;
    std::function<void()> idle_;
};

}  // namespace forms

// A handler bound to its object, as the show's components call them: "the same method of the
// same object" compares equal, so a component can tell that a handler did not change.
#pragma once

namespace pelora {

template <typename Sender>
class Event {
public:
    Event() = default;

    // Event<TTimer>::bind<&TForm1::entredeuxTimer>(form)
    template <auto Method, typename Object>
    static Event bind(Object& object) {
        Event event;
        event.object_ = &object;
        event.call_ = [](void* target, Sender& sender) {
            (static_cast<Object*>(target)->*Method)(sender);
        };
        return event;
    }

    explicit operator bool() const { return call_ != nullptr; }
    void operator()(Sender& sender) const {
        if (call_ != nullptr) {
            call_(object_, sender);
        }
    }
    bool operator==(const Event&) const = default;

private:
    void* object_ = nullptr;
    void (*call_)(void*, Sender&) = nullptr;
};

}  // namespace pelora

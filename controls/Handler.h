#pragma once
// What a control runs when the user changes or clicks it: a member function
// of the window's logic, named in the layout table as on<&Class::member>
// (or on<&Class::member, argument>), so that the compiler checks that the
// member exists and can be called so.
namespace orvane {

class Handler {
public:
    constexpr Handler() = default;
    constexpr Handler(void (*run)(void*), const void* owner) : run_(run), owner_(owner) {}

    explicit constexpr operator bool() const { return run_ != nullptr; }
    constexpr bool operator==(const Handler&) const = default;

    // Whether the member belongs to Owner.
    template <class Owner>
    bool belongsTo() const;
    // owner: the object of the class the member belongs to.
    void run(void* owner) const { run_(owner); }

private:
    void (*run_)(void*) = nullptr;
    const void* owner_ = nullptr; // one address for each class
};

namespace handler {

// Its address stands for the class; never written, but not const, so that
// no linker folds two of them into one.
template <class Owner>
inline char classTag = 0;

template <class Member>
struct Owner;
template <class Class, class... Parameters>
struct Owner<void (Class::*)(Parameters...)> {
    using type = Class;
};

template <auto Member, auto... Arguments>
void run(void* owner)
{
    using Class = typename Owner<decltype(Member)>::type;
    (static_cast<Class*>(owner)->*Member)(Arguments...);
}

} // namespace handler

template <class Owner>
bool Handler::belongsTo() const
{
    return owner_ == &handler::classTag<Owner>;
}

template <auto Member, auto... Arguments>
inline constexpr Handler on{&handler::run<Member, Arguments...>,
                            &handler::classTag<typename handler::Owner<decltype(Member)>::type>};

} // namespace orvane

#pragma once
// A seam: one replaceable implementation of a platform service.
// The program uses the real implementation (Interface::real()); tests install
// recording fakes with ScopedSeam for the length of a test.

namespace platform {

template <class Interface>
class Seam {
public:
    static Interface& current() { return slot() ? *slot() : Interface::real(); }
    static Interface* install(Interface* impl)
    {
        Interface* previous = slot();
        slot() = impl;
        return previous;
    }

private:
    static Interface*& slot()
    {
        static Interface* impl = nullptr;
        return impl;
    }
};

template <class Interface>
class ScopedSeam {
public:
    explicit ScopedSeam(Interface* impl) : previous_(Seam<Interface>::install(impl)) {}
    ~ScopedSeam() { Seam<Interface>::install(previous_); }
    ScopedSeam(const ScopedSeam&) = delete;
    ScopedSeam& operator=(const ScopedSeam&) = delete;

private:
    Interface* previous_;
};

} // namespace platform

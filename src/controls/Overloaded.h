#pragma once

namespace pelmora {

// One visitor of several lambdas, for std::visit: Overloaded{[](const A&) {...}, [](const B&) {...}}.
template <typename... Handlers>
struct Overloaded : Handlers... {
    using Handlers::operator()...;
};

// Spelt out for compilers that deduce no aggregate's arguments (Clang before 17).
template <typename... Handlers>
Overloaded(Handlers...) -> Overloaded<Handlers...>;

}  // namespace pelmora

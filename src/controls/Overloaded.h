#pragma once

namespace pelmora {

// One visitor of several lambdas, for std::visit: Overloaded{[](const A&) {...}, [](const B&) {...}}.
template <typename... Handlers>
struct Overloaded : Handlers... {
    using Handlers::operator()...;
};

}  // namespace pelmora

#pragma once

namespace base {

/// One visitor out of several lambdas, one per alternative of a variant:
/// std::visit(Overloaded{[](const A&) {...}, [](const B&) {...}}, v).
template <class... Handlers>
struct Overloaded : Handlers... {
  using Handlers::operator()...;
};
template <class... Handlers>
Overloaded(Handlers...) -> Overloaded<Handlers...>;

}  // namespace base

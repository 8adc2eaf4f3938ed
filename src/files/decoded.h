#pragma once

#include <optional>
#include <string>
#include <utility>

namespace pixlore {

// What a reader of a file format gives back: the value, or the reason there is none, in
// words fit for the user ("the glyphs are 8 x 16 pixels").
template <class T>
struct Decoded {
    std::optional<T> value;
    std::string reason;

    bool ok() const { return value.has_value(); }
    static Decoded Fail(std::string why) { return {std::nullopt, std::move(why)}; }
    static Decoded Ok(T v) { return {std::move(v), {}}; }
};

}  // namespace pixlore

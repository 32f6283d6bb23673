#pragma once
namespace umbrix::engine {

enum class MouseButton { Left, Right, Middle };

}  // namespace umbrix::engine

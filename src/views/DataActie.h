#pragma once
// One step of a maintenance window on a table handle (move, edit, post,
// delete). A failure reaches the user through the application-wide handler;
// a rule that aborted silently says nothing. False when the step failed.
#include <functional>

bool DataActie(const std::function<void()>& actie);

#pragma once

// The section of an aircraft's kneeboard that the player goes into.
enum class KneeboardSection { Checklist, Reference };

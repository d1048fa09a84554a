#include "generator/generationhost.h"

GenerationHost::~GenerationHost() = default;

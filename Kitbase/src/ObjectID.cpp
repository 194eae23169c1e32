#include "Kitbase/ObjectID.h"

namespace kitbase {

std::string ObjectID::uriRepresentation() const {
    if (!entity_) return "null";
    return entity_->name + (key_ > 0 ? "/p" : "/t") + std::to_string(key_ > 0 ? key_ : -key_);
}

} // namespace kitbase

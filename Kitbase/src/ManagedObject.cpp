#include "Kitbase/ManagedObject.h"

#include "Kitbase/ManagedObjectContext.h"

#include <stdexcept>

namespace kitbase {

namespace {

bool fitsType(const AttributeValue& value, AttributeType type) {
    switch (value.index()) {
    case 0: return true;
    case 1: return type == AttributeType::boolean;
    case 2: return type == AttributeType::integer64;
    case 3: return type == AttributeType::string;
    case 4: return type == AttributeType::uuid;
    default: return type == AttributeType::date;
    }
}

} // namespace

ManagedObject::~ManagedObject() {
    if (context_) context_->unregister(*this);
}

const AttributeValue& ManagedObject::value(std::size_t attribute) const { return values_.at(attribute); }

const AttributeValue& ManagedObject::value(std::string_view key) const {
    const std::size_t attribute = entity_->attributeIndex(key);
    if (attribute == EntityDescription::npos)
        throw std::out_of_range(entity_->name + " has no attribute " + std::string(key));
    return values_[attribute];
}

void ManagedObject::setValue(std::size_t attribute, AttributeValue value) {
    if (!context_) throw std::logic_error("changing " + id_.uriRepresentation() + ", which has no context");
    if (!fitsType(value, entity_->attributes.at(attribute).type))
        throw std::logic_error("wrong value type for " + entity_->name + "." + entity_->attributes[attribute].name);
    if (values_[attribute] == value) return;
    values_[attribute] = std::move(value);
    changedMask_ |= EntityDescription::attributeBit(attribute);
    context_->markTouched(*this);
}

void ManagedObject::setValue(std::string_view key, AttributeValue value) {
    const std::size_t attribute = entity_->attributeIndex(key);
    if (attribute == EntityDescription::npos)
        throw std::out_of_range(entity_->name + " has no attribute " + std::string(key));
    setValue(attribute, std::move(value));
}

std::shared_ptr<ManagedObject> ManagedObject::destination(std::size_t relationship) const {
    if (entity_->relationships.at(relationship).isToMany)
        throw std::logic_error(entity_->name + "." + entity_->relationships[relationship].name + " is to-many");
    if (!context_ || toOne_[relationship].isNull()) return nullptr;
    return context_->existingObject(toOne_[relationship]);
}

void ManagedObject::setDestination(std::size_t relationship, const std::shared_ptr<ManagedObject>& destination) {
    const RelationshipDescription& description = entity_->relationships.at(relationship);
    if (description.isToMany) throw std::logic_error(entity_->name + "." + description.name + " is to-many");
    if (!context_) throw std::logic_error("changing " + id_.uriRepresentation() + ", which has no context");
    if (destination && (destination->context_ != context_ ||
                        destination->entity_->index != description.destinationEntityIndex))
        throw std::logic_error("bad destination for " + entity_->name + "." + description.name);
    const ObjectID next = destination ? destination->id_ : ObjectID();
    if (toOne_[relationship] == next) return;
    context_->removeFromInverseSet(*this, relationship, toOne_[relationship]);
    toOne_[relationship] = next;
    context_->addToInverseSet(*this, relationship, next);
    changedMask_ |= entity_->relationshipBit(relationship);
    context_->markTouched(*this);
}

std::vector<std::shared_ptr<ManagedObject>> ManagedObject::members(std::size_t relationship) const {
    if (!entity_->relationships.at(relationship).isToMany)
        throw std::logic_error(entity_->name + "." + entity_->relationships[relationship].name + " is to-one");
    if (!toMany_[relationship] && context_)
        context_->loadMembers({const_cast<ManagedObject*>(this)}, relationship);
    if (!toMany_[relationship]) return {};
    return *toMany_[relationship];
}

std::size_t ManagedObject::memberCount(std::size_t relationship) const {
    if (!entity_->relationships.at(relationship).isToMany)
        throw std::logic_error(entity_->name + "." + entity_->relationships[relationship].name + " is to-one");
    if (!toMany_[relationship] && context_)
        context_->loadMembers({const_cast<ManagedObject*>(this)}, relationship);
    return toMany_[relationship] ? toMany_[relationship]->size() : 0;
}

} // namespace kitbase

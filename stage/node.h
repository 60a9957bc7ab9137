// The base of every visual node of the show's scene: a box of float position and size in its
// parent, docking, visibility (QGraphicsItem's own), and a rotation about the box's centre that
// turns the whole subtree. Float animations drive it through "Position.X", "Position.Y" and
// "RotationAngle".
#pragma once

#include <QGraphicsItem>
#include <string>
#include <string_view>

#include "motion/property.h"
#include "stage/docking.h"

namespace pelora {

class Node : public QGraphicsItem, public PropertyObject {
public:
    Node(std::string name, QGraphicsItem* parent);

    const std::string& name() const { return name_; }

    // Position and size in logical pixels, relative to the parent. Every write repaints.
    float positionX() const { return box_.x; }
    float positionY() const { return box_.y; }
    void setPositionX(float x);
    void setPositionY(float y);
    void setPosition(float x, float y);
    float width() const { return box_.width; }
    float height() const { return box_.height; }
    void setWidth(float width);
    void setHeight(float height);
    void setSize(float width, float height);
    const Box& box() const { return box_; }
    void setBox(const Box& box);

    // Degrees, clockwise on screen, about the centre of the box; children turn with the node.
    float rotationAngle() const { return rotationAngle_; }
    void setRotationAngle(float degrees);

    Docking docking() const { return docking_; }
    const Margins& margins() const { return margins_; }
    // The parent places a docked node; call arrangeDockedChildren() on the parent afterwards.
    void setDocking(Docking docking, Margins margins = {});
    // Places the docked children in this node's box; runs by itself when the size changes.
    void arrangeDockedChildren();

    QRectF boundingRect() const override;
    QPainterPath shape() const override;
    void paint(QPainter* painter, const QStyleOptionGraphicsItem* option, QWidget* widget) override;

    PropertyObject* objectProperty(std::string_view name) override;
    FloatProperty* floatProperty(std::string_view name) override;

protected:
    QRectF boxRect() const { return {0.0, 0.0, box_.width, box_.height}; }
    // Runs after the size changed and the docked children were placed.
    virtual void sizeChanged() {}

private:
    // One float of the node, read and written through its ordinary getter and setter.
    class MemberFloat final : public FloatProperty {
    public:
        using Getter = float (Node::*)() const;
        using Setter = void (Node::*)(float);
        MemberFloat(Node& node, Getter getter, Setter setter)
            : node_(node), getter_(getter), setter_(setter) {}
        float get() const override { return (node_.*getter_)(); }
        void set(float value) override { (node_.*setter_)(value); }

    private:
        Node& node_;
        Getter getter_;
        Setter setter_;
    };

    // "Position": the object holding "X" and "Y".
    class PositionObject final : public PropertyObject {
    public:
        explicit PositionObject(Node& node);
        FloatProperty* floatProperty(std::string_view name) override;

    private:
        MemberFloat x_;
        MemberFloat y_;
    };

    std::string name_;
    Box box_{0.0F, 0.0F, 50.0F, 50.0F};
    float rotationAngle_ = 0.0F;
    Docking docking_ = Docking::None;
    Margins margins_;
    PositionObject position_;
    MemberFloat rotation_;
};

}  // namespace pelora

#pragma once

#include "scene/Dx7matrix.h"

#include <cstddef>
#include <memory>
#include <vector>

// The tree machinery of the scene: containers of children (a shared leaf that
// holds none, or a list), the node mixin that carries one, and iterators over
// one node's children and over a whole tree depth first.

template <typename T> class TTree {
public:
    virtual ~TTree() = default;
    // Takes the child; a container that refuses it returns false and the
    // child is destroyed.
    virtual bool Add(std::unique_ptr<T> child) = 0;
    virtual size_t Count() const = 0;
    virtual bool IsLeaf() const = 0;
};

// The one container of every leaf object: it holds nothing.
template <typename T> class TLeaf final : public TTree<T> {
public:
    static TLeaf& Shared() {
        static TLeaf leaf;
        return leaf;
    }
    bool Add(std::unique_ptr<T>) override { return false; }
    size_t Count() const override { return 0; }
    bool IsLeaf() const override { return true; }

private:
    TLeaf() = default;
};

template <typename T> class TComposite : public TTree<T> {
public:
    bool IsLeaf() const override { return false; }
};

template <typename T> class IIterator {
public:
    virtual ~IIterator() = default;
    virtual T* First() = 0;
    virtual T* Next() = 0;
    virtual bool IsDone() const = 0;
    virtual void Attach(T* newRoot) {
        root = newRoot;
        current = nullptr;
    }
    T* Root() const { return root; }
    T* Current() const { return current; }

protected:
    T* SetCurrent(T* item) { return current = item; }

private:
    T* root = nullptr;
    T* current = nullptr;
};

// Children in a list, appended at the end and destroyed with the container.
// A list that is empty is still not a leaf.
template <typename T> class TListComp : public TComposite<T> {
public:
    using TList = std::vector<std::unique_ptr<T>>;

    bool Add(std::unique_ptr<T> child) override {
        list.push_back(std::move(child));
        return true;
    }
    size_t Count() const override { return list.size(); }
    const TList& GetList() const { return list; }

    // Walks the children of the node it is attached to.
    class TIte_Node : public IIterator<T> {
    public:
        void Attach(T* node) override {
            IIterator<T>::Attach(node);
            children = nullptr;
            position = 0;
            if (node != nullptr && !node->Composite().IsLeaf()) {
                children = &static_cast<const TListComp&>(node->Composite()).GetList();
            }
        }
        T* First() override {
            position = 0;
            return this->SetCurrent(IsDone() ? nullptr : (*children)[0].get());
        }
        T* Next() override {
            if (!IsDone()) {
                ++position;
            }
            return this->SetCurrent(IsDone() ? nullptr : (*children)[position].get());
        }
        bool IsDone() const override { return children == nullptr || position >= children->size(); }
        size_t Count() const { return children == nullptr ? 0 : children->size(); }

    private:
        const TList* children = nullptr;
        size_t position = 0;
    };

private:
    TList list;
};

// The node part of every tree object: it holds the object's container, its
// own list for a group, the shared leaf for a leaf.
template <typename T, typename C> class TMultiTree {
public:
    virtual ~TMultiTree() {
        if (!composite->IsLeaf()) {
            delete composite;
        }
    }
    TMultiTree(const TMultiTree&) = delete;
    TMultiTree& operator=(const TMultiTree&) = delete;

    virtual bool Add(std::unique_ptr<T> child) { return composite->Add(std::move(child)); }
    const TTree<T>& Composite() const { return *composite; }

protected:
    // Takes a container made with new, or the shared leaf.
    explicit TMultiTree(TTree<T>* container) : composite(container) {}

private:
    TTree<T>* composite;
};

// A child iterator that also keeps the world matrix of the node it walks.
template <typename T, typename C> class TIte_NodeHasMat : public C::TIte_Node {
public:
    // world := attached node's local matrix x the parent's world.
    void SetParentMat(const IMatrix& parentWorld) {
        world = MatProduct(this->Root()->GetMatrix(), parentWorld);
    }
    const TOneMat& World() const { return world; }

private:
    TOneMat world;
};

// Depth first, pre-order, children in list order. The stack of child
// iterators only grows, so one iterator walks many trees without allocating
// once it has seen the deepest.
template <typename T, typename N> class TIte_Comp : public IIterator<T> {
public:
    explicit TIte_Comp(bool leavesOnlyFlag) : leavesOnly(leavesOnlyFlag) {}

    T* First() override {
        depth = 0;
        this->SetCurrent(this->Root());
        if (this->Current() != nullptr && !Accept()) {
            return Next();
        }
        return this->Current();
    }

    T* Next() override {
        while (this->Current() != nullptr) {
            if (this->Current()->Composite().IsLeaf()) {
                if (depth == 0 || stack[depth - 1]->Next() == nullptr) {
                    Ascend();
                } else {
                    this->SetCurrent(stack[depth - 1]->Current());
                }
            } else if (!Descend()) {
                Ascend();
            }
            if (this->Current() != nullptr && Accept()) {
                break;
            }
        }
        return this->Current();
    }

    bool IsDone() const override { return this->Current() == nullptr; }

protected:
    virtual void PushNode() { stack.push_back(std::make_unique<N>()); }

    virtual bool Accept() const { return !leavesOnly || this->Current()->Composite().IsLeaf(); }

    // Enters the current group; false when it has no child.
    virtual bool Descend() {
        if (depth == stack.size()) {
            PushNode();
        }
        N& node = *stack[depth];
        node.Attach(this->Current());
        ++depth;
        return this->SetCurrent(node.First()) != nullptr;
    }

    // Back up to the nearest ancestor level that still has a sibling to give.
    virtual void Ascend() {
        while (depth >= 2) {
            --depth;
            if (stack[depth - 1]->Next() != nullptr) {
                this->SetCurrent(stack[depth - 1]->Current());
                return;
            }
        }
        this->SetCurrent(nullptr);
    }

    size_t Depth() const { return depth; }
    N& NodeAt(size_t index) { return *stack[index]; }
    const N& NodeAt(size_t index) const { return *stack[index]; }

private:
    size_t depth = 0;
    std::vector<std::unique_ptr<N>> stack;
    bool leavesOnly;
};

// The drawing walk: visible leaves only, each level keeping its world matrix.
template <typename T, typename C>
class TIte_CompHasMat : public TIte_Comp<T, TIte_NodeHasMat<T, C>> {
    using TBase = TIte_Comp<T, TIte_NodeHasMat<T, C>>;

public:
    TIte_CompHasMat() : TBase(true) {}

protected:
    bool Accept() const override { return TBase::Accept() && this->Current()->visible; }

    // A group's own flag does not hide it: its leaves still get the group's
    // world matrix, so they are never drawn with a stale one.
    bool Descend() override {
        if (!TBase::Descend()) {
            return false;
        }
        const size_t level = this->Depth();
        auto& top = this->NodeAt(level - 1);
        if (level >= 2) {
            top.SetParentMat(this->NodeAt(level - 2).World());
        } else {
            top.SetParentMat(TOneMat());
        }
        return true;
    }
};

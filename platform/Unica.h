#pragma once
// The one way to reach a window the program holds a single instance of.
//
//   Unica<Princ>::SeEsiste()   the window, or null when it does not exist
//                              (never creates it);
//   Unica<Princ>::Istanza()    the window, created on first use;
//   Unica<Princ>::Distruggi()  destroys it (tests start each case afresh);
//   Unica<T>::Imposta(w)       makes w, built by its opener, the instance;
//   Unica<T>::Dimentica(w)     forgets w as it unloads itself.
//
// The window is created with `new T()`, unless T offers a static
// `T* CreaUnica(int n)` that builds it (parent, registration) for slot n.
// N tells apart windows of one class that exist once each (the two sheets).
// A window destroyed by other means (closed and deleted) is seen as absent.
#include <QPointer>

template <class T, int N = 0>
class Unica {
public:
    static T* SeEsiste() { return istanza_.data(); }

    static T* Istanza()
    {
        if (!istanza_) {
            T* nuova = nullptr;
            if constexpr (requires { T::CreaUnica(N); })
                nuova = T::CreaUnica(N);
            else
                nuova = new T();
            istanza_ = nuova;
        }
        return istanza_.data();
    }

    static void Distruggi()
    {
        delete istanza_.data();
        istanza_ = nullptr;
    }

    // Makes w the instance: a window that its opener builds with arguments
    // of its own (the service windows).
    static void Imposta(T* w) { istanza_ = w; }

    // Forgets w, when it is the instance, without destroying it: a window
    // that unloads itself, so that the next Istanza() builds a new one.
    static void Dimentica(const T* w)
    {
        if (istanza_.data() == w) istanza_ = nullptr;
    }

private:
    static inline QPointer<T> istanza_;
};

// The checks of a project file that need more than one value: what was read
// (each value by its own rule, reader.h) measured against the
// spot its result was solved on and against its game tree. The spot is the
// result's own: its board, its starting pot and the effective stack of its
// root, both within what the Setup page takes. A result is refused when its
// tree is not one (a node reached by two actions, or by none), when a node's
// figures are not the spot's (another stack than the root's, chips put in
// beyond the stack or before the root, a pot other than the starting pot
// plus the chips put in), when "hasChildren" denies the node's actions, when
// a decision node deals a card or a chance node (or an all-in's runout)
// does anything else, when the cards out do not fit the streets (a chance
// node dealing the turn needs the flop out, one dealing the river the turn,
// a showdown the river), when a node's action frequencies do not add up to
// 1, when its root actions are not those of the tree's root, when a figure
// lies beyond what the spot allows (chips beyond its pot and both stacks, an
// exploitability below 0, more combos than a range holds beside its board),
// when a card is repeated or lies on the board (the result's board and the
// cards dealt on the way to the node), when a saved answer does not have one
// entry per action of its node, when a class of a saved strategy weighs more
// combos than the board leaves it, when saved action figures are not those
// of the node's actions in the tree (names, keys, frequencies), and when a
// lock names a node that is not in the tree, is not a decision node, or an
// action index below 0.
//
// A lock of an action index its node does not have is dropped, with a line
// in the log: the results page can set one (the chosen action stays chosen
// when the node changes), no solve ever applies it, and files written so far
// may hold it.
#pragma once

#include "backend/project_file/fault.h"
#include "backend/project_file/loaded_project.h"

namespace project_file {

// The first fault of `loaded`, in the order above, or an empty fault.
// Runs on the reading thread; touches nothing but `loaded`.
Fault checkLoadedProject(LoadedProject& loaded);

}  // namespace project_file

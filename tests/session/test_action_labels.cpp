// Action keys and labels, the 169 hand classes and street names.
#include <gtest/gtest.h>

#include <set>
#include <stdexcept>
#include <utility>

#include "core/cards.h"
#include "session/action_labels.h"

namespace velmora_app {
namespace {

TEST(ActionLabels, LabelsAndKeysOfEveryKind) {
  struct Case {
    std::uint8_t kind;
    std::uint32_t amount;
    std::int32_t pot;
    const char* label;
    const char* key;
  };
  const Case cases[] = {
      {4, 50, 150, "Bet 33%", "bet 33%"},      {4, 100, 150, "Bet 67%", "bet 67%"},
      {5, 300, 120, "Raise 250%", "raise 250%"}, {4, 1, 8, "Bet 12%", "bet 12%"},  // 12.5 rounds to even
      {4, 100000, 1, "Bet 10000000%", "bet 10000000%"},
      {4, 50, 0, "Bet", "bet"},                {5, 50, -5, "Raise", "raise"},  // pot below 1
      {1, 0, 100, "Fold", "fold"},             {2, 0, 100, "Check", "check"},
      {3, 40, 100, "Call", "call"},            {6, 12345, 0, "All-In", "allin"},
      {7, 50, 100, "Ah", "chance"},            {7, 0x100 | 42, 100, "Qh", "chance"},  // low byte only
      {0, 10, 100, "Action", "none"},          {8, 10, 100, "Action", "none"},
  };
  for (const Case& c : cases) {
    const velmora::Action a{c.kind, c.amount};
    EXPECT_EQ(action_display_label(a, c.pot), c.label) << int(c.kind) << " " << c.amount << " " << c.pot;
    EXPECT_EQ(action_key_label(a, c.pot), c.key) << int(c.kind) << " " << c.amount << " " << c.pot;
  }
  EXPECT_EQ(action_type_key(255), "none");
  // Sizes that round to the same percent share their key.
  EXPECT_EQ(action_key_label({4, 331}, 1000), action_key_label({4, 334}, 1000));
  EXPECT_THROW(action_display_label({7, 52}, 100), std::out_of_range);
}

TEST(HandClasses, GridOrderAndMirrorCells) {
  const auto names = hand_class_names();
  ASSERT_EQ(names.size(), 169u);
  EXPECT_EQ(std::set<std::string>(names.begin(), names.end()).size(), 169u);
  EXPECT_EQ(names[0], "AA");
  EXPECT_EQ(names[1], "AKs");
  EXPECT_EQ(names[12], "A2s");
  EXPECT_EQ(names[13], "AKo");
  EXPECT_EQ(names[14], "KK");
  EXPECT_EQ(names[155], "32s");
  EXPECT_EQ(names[168], "22");
  for (int i = 0; i < 13; ++i) {
    for (int j = i + 1; j < 13; ++j) {
      EXPECT_EQ(names[i * 13 + j].substr(0, 2), names[j * 13 + i].substr(0, 2));
      EXPECT_EQ(names[i * 13 + j].back(), 's');
      EXPECT_EQ(names[j * 13 + i].back(), 'o');
    }
  }
}

TEST(HandClasses, EveryComboFallsIntoItsClassWithTheRightCount) {
  const auto names = hand_class_names();
  std::vector<int> counts(169, 0);
  for (int a = 0; a < 52; ++a) {
    for (int b = a + 1; b < 52; ++b) {
      const velmora::Pocket p = velmora::make_pocket(static_cast<velmora::Card>(a), static_cast<velmora::Card>(b));
      const std::string label = hand_class_label(p);
      EXPECT_EQ(label, hand_class_label(static_cast<velmora::Pocket>(b | (a << 8)))) << "card order is irrelevant";
      const int index = hand_class_index(label);
      ASSERT_GE(index, 0) << label;
      EXPECT_EQ(names[index], label);
      ++counts[index];
    }
  }
  for (int c = 0; c < 169; ++c) {
    const std::string& n = names[c];
    EXPECT_EQ(counts[c], n.size() == 2 ? 6 : (n.back() == 's' ? 4 : 12)) << n;
  }
  const auto P = [](const char* a, const char* b) {
    return velmora::make_pocket(velmora::parse_card(a), velmora::parse_card(b));
  };
  EXPECT_EQ(hand_class_label(P("Ah", "Kh")), "AKs");
  EXPECT_EQ(hand_class_label(P("Kd", "Ah")), "AKo");
  EXPECT_EQ(hand_class_label(P("7c", "7s")), "77");
  EXPECT_EQ(hand_class_label(P("2c", "3c")), "32s");
  EXPECT_THROW(hand_class_label(static_cast<velmora::Pocket>(0xFF00 | 3)), std::out_of_range);
  for (const char* bad : {"", "A", "KAs", "AKx", "AAs", "AKso"}) EXPECT_EQ(hand_class_index(bad), -1) << bad;
}

TEST(CardTexts, EachTextGivesItsCodeOrMinusOne) {
  const std::pair<const char*, int> cases[] = {
      {"2c", 0}, {"Ah", 50}, {"ah", 50}, {"AH", 50}, {"as", 51}, {"Ts", 35}, {"tS", 35},
      {"", -1},  {"A", -1},  {"Ahh", -1}, {"1s", -1}, {"10", -1}, {"Ax", -1}, {" A", -1}};
  for (const auto& [text, code] : cases) EXPECT_EQ(card_code(text), code) << '"' << text << '"';
}

TEST(HandClasses, TwoCardTextsNameTheirClass) {
  EXPECT_EQ(hand_class_label("kd", "ah"), "AKo");
  EXPECT_EQ(hand_class_label("9c", "Tc"), "T9s");
  EXPECT_EQ(hand_class_label("1c", "Tc"), "");
  EXPECT_EQ(hand_class_label("Ah", "kH"), "AKs");  // suits in either case
  EXPECT_EQ(hand_class_label("2s", "2S"), "22");
  EXPECT_EQ(hand_class_label("7c", "7c"), "77");  // read as texts, not checked as a pocket
  EXPECT_EQ(hand_class_label("Tx", "9x"), "T9s");  // the suit is only compared
  for (const auto& [a, b] : {std::pair{"", "Ah"}, std::pair{"A", "Kh"}, std::pair{"Ah", "K"}, std::pair{"Xh", "Kh"},
                             std::pair{"Ah", "1h"}}) {
    EXPECT_EQ(hand_class_label(std::string_view(a), std::string_view(b)), "") << a << " " << b;
  }
  // The text form agrees with the pocket form on every combo.
  for (int a = 0; a < 52; ++a) {
    for (int b = a + 1; b < 52; ++b) {
      const std::string ca = velmora::card_to_string(static_cast<unsigned>(a));
      const std::string cb = velmora::card_to_string(static_cast<unsigned>(b));
      const velmora::Pocket p = velmora::make_pocket(static_cast<velmora::Card>(a), static_cast<velmora::Card>(b));
      ASSERT_EQ(hand_class_label(std::string_view(ca), std::string_view(cb)), hand_class_label(p)) << ca << cb;
    }
  }
}

TEST(Streets, ExactNamesOnly) {
  EXPECT_EQ(street_from_name("flop"), 0);
  EXPECT_EQ(street_from_name("turn"), 1);
  EXPECT_EQ(street_from_name("river"), 2);
  EXPECT_EQ(street_from_name("Turn"), 0);
  EXPECT_EQ(street_from_name("river "), 0);
  EXPECT_EQ(street_from_name(""), 0);
}

}  // namespace
}  // namespace velmora_app

#ifndef MASSROWS_H
#define MASSROWS_H

// The sixteen mass rows of step 7: one depth check box and the height, width
// and area boxes that it switches on and off. Object names of the wizard's
// form. The order is that of the check-box slots: anechoic 0.5 dB,
// anechoic 0.7 dB, hyperechoic 0.5 dB, hyperechoic 0.7 dB, each at 2, 4, 6
// and 8 cm; the report walks the rows in the same order.

struct MassRow
{
    const char *checkBox;
    const char *height;
    const char *width;
    const char *area;
    int massType;    // 1 anechoic ("Anecóicas"), 0 hyperechoic ("Hiperecóicas")
    int attenuation; // 0 for 0.5 dB, 1 for 0.7 dB
    int depthColumn; // 0 to 3 for 2, 4, 6, 8 cm
};

inline constexpr int massRowCount = 16;

inline constexpr MassRow massRows[massRowCount] = {
    {"checkBox2cm", "s5AA2", "s5AL2", "s5AAr2", 1, 0, 0},
    {"checkBox4cm", "s5AA4", "s5AL4", "s5AAr4", 1, 0, 1},
    {"checkBox6cm", "s5AA6", "s5AL6", "s5AAr6", 1, 0, 2},
    {"checkBox8cm", "s5AA8", "s5AL8", "s5AAr8", 1, 0, 3},
    {"checkBox2cm_1", "s7AA2", "s7AL2", "s7AAr2", 1, 1, 0},
    {"checkBox4cm_1", "s7AA4", "s7AL4", "s7AAr4", 1, 1, 1},
    {"checkBox6cm_1", "s7AA6", "s7AL6", "s7AAr6", 1, 1, 2},
    {"checkBox8cm_1", "s7AA8", "s7AL8", "s7AAr8", 1, 1, 3},
    {"checkBox2cm_3", "s5HA2", "s5HL2", "s5HAr2", 0, 0, 0},
    {"checkBox4cm_3", "s5HA4", "s5HL4", "s5HAr4", 0, 0, 1},
    {"checkBox6cm_3", "s5HA6", "s5HL6", "s5HAr6", 0, 0, 2},
    {"checkBox8cm_3", "s5HA8", "s5HL8", "s5HAr8", 0, 0, 3},
    {"checkBox2cm_4", "s7HA2", "s7HL2", "s7HAr2", 0, 1, 0},
    {"checkBox4cm_4", "s7HA4", "s7HL4", "s7HAr4", 0, 1, 1},
    {"checkBox6cm_4", "s7HA6", "s7HL6", "s7HAr6", 0, 1, 2},
    {"checkBox8cm_4", "s7HA8", "s7HL8", "s7HAr8", 0, 1, 3},
};

#endif // MASSROWS_H

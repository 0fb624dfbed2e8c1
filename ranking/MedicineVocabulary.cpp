#include "ranking/MedicineVocabulary.h"

#include <QSet>
#include <algorithm>
#include <vector>

#include "ranking/TermMatcher.h"

namespace esoa::assist::medicine {

const text::PhraseTable& Phrases() {
    static const text::PhraseTable table(
        {
            // Dosage forms.
            {"tab; tabs; tablet; tablets; tbl; tabl; caplet; caplets", "tablet"},
            {"cap; caps; capsule; capsules; capsul; kap", "capsule"},
            {"amp; amps; ampul; ampuls; ampule; ampules; ampoule; ampoules; ampl", "ampule"},
            {"vl; vial; vials", "vial"},
            {"inj; injn; injection; injections; injectable; injectables; inject", "injection"},
            {"susp; suspn; suspension; suspensions; sus", "suspension"},
            {"syr; syrup; syrups; syp", "syrup"},
            {"sol; soln; solution; solutions; solns", "solution"},
            {"drop; drops; gtts; gtt", "drops"},
            {"crm; cream; creams", "cream"},
            {"oint; ointment; ointments; ungt", "ointment"},
            {"supp; supps; suppository; suppositories; suppos; suppo", "suppository"},
            {"inhaler; inhalers; mdi; dpi; metered dose inhaler; metered dose aerosol", "inhaler"},
            {"neb; nebs; nebule; nebules; nebul; respule; respules; nebulizing solution; nebulising "
             "solution; "
             "respiratory solution; respirator solution; solution for inhalation; unit dose for inhalation; "
             "inhalation solution",
             "nebule"},
            {"sach; sachet; sachets", "sachet"},
            {"pwd; pdr; powder; powders; pulv", "powder"},
            {"infusion; infusions; infus; inf; ivf; iv infusion; iv inf; iv soln; iv solution; intravenous "
             "infusion; premixed",
             "infusion"},
            {"lot; lotion; lotions", "lotion"},
            {"gel; gels", "gel"},
            {"elix; elixir", "elixir"},
            {"gran; granule; granules", "granules"},
            {"loz; lozenge; lozenges", "lozenge"},
            {"patch; patches", "patch"},
            {"spray; sprays", "spray"},
            {"shampoo", "shampoo"},
            {"prefilled syringe; pre-filled syringe; pre filled syringe; prefilled syr; pre-filled syr; pfs; "
             "prefilled",
             "prefilled"},
            {"ophthalmic solution; ophth soln; ophth solution; eye solution; ophthalmic drops",
             "q:ophthalmic drops"},
            {"otic solution; otic soln; ear solution; otic drops", "q:otic drops"},
            // Dose-form qualifiers.
            {"modified release; extended release; sustained release; controlled release; prolonged release; "
             "slow release; long acting",
             "q:modified-release"},
            {"mr", "?release:mr"},
            {"la", "?release:la"},
            {"od", "?release:od"},
            {"retard", "q:modified-release"},
            {"sr", "?release:sr"},
            {"xr", "?release:xr"},
            {"xl", "?release:xl"},
            {"er", "?release:er"},
            {"cr", "?cr"},
            {"delayed release; enteric coated; ec; gastro-resistant; gastro resistant; gastroresistant",
             "q:enteric-coated"},
            {"dr", "?enteric:dr"},
            {"chewable; chew", "q:chewable"},
            {"dispersible; dt; soluble", "q:dispersible"},
            {"sol tab; sol tabs; soluble tablet; soluble tablets", "q:dispersible tablet"},
            {"disp", "?disp"},
            {"orodispersible; odt; orally disintegrating", "q:orodispersible"},
            {"sublingual; sl; s/l", "q:sublingual"},
            {"effervescent; eff", "q:effervescent"},
            {"eye; eyes; ophthalmic; ophth; ocular", "q:ophthalmic"},
            {"ear; ears; otic", "q:otic"},
            {"vaginal; vag; pv; intravaginal", "q:vaginal"},
            {"conc; concentrate", "q:concentrate"},
            {"nasal", "q:nasal"},
            {"inh", "?inh"},
            // Names of a drug in other accepted spellings, and chemical abbreviations.
            {"acetaminophen", "paracetamol"},
            {"albuterol", "salbutamol"},
            {"adrenaline", "epinephrine"},
            {"noradrenaline", "norepinephrine"},
            {"lignocaine", "lidocaine"},
            {"glyburide", "glibenclamide"},
            {"chlorpheniramine", "chlorphenamine"},
            {"cephalexin", "cefalexin"},
            {"cephadroxil; cefadroxyl", "cefadroxil"},
            {"aciclovir", "acyclovir"},
            {"valaciclovir", "valacyclovir"},
            {"frusemide", "furosemide"},
            {"rifampin", "rifampicin"},
            {"phytonadione; vitamin k1; vit k1; vitamin k; vit k", "phytomenadione"},
            {"amoxycillin", "amoxicillin"},
            {"cotrimoxazole; sulfamethoxazole trimethoprim; sulfamethoxazole + trimethoprim; "
             "sulfamethoxazole/trimethoprim; smx tmp; tmp smx",
             "cotrimoxazole"},
            {"coamoxiclav; co amoxiclav", "amoxicillin clavulanic"},
            {"co trimoxazole", "cotrimoxazole"},
            {"clavulanate; potassium clavulanate; clavulanic", "clavulanic"},
            {"valproate; divalproex", "valproic"},
            {"scopolamine", "hyoscine"},
            {"methylergonovine", "methylergometrine"},
            {"meperidine", "pethidine"},
            {"glyceryl trinitrate; gtn", "nitroglycerin"},
            {"isdn", "isosorbide dinitrate"},
            {"ismn", "isosorbide mononitrate"},
            {"asa", "aspirin"},
            {"hctz", "hydrochlorothiazide"},
            // Salts that are the drug itself, one word each so that they weigh as a drug's name, not as a
            // salt.
            {"sodium chloride; sod chloride; na chloride; nacl", "sodiumchloride"},
            {"potassium chloride; pot chloride; k chloride; kcl", "potassiumchloride"},
            {"calcium chloride; ca chloride; cacl2", "calciumchloride"},
            {"calcium gluconate; ca gluconate", "calciumgluconate"},
            {"calcium carbonate; ca carbonate; caco3", "calciumcarbonate"},
            {"potassium citrate; k citrate", "potassiumcitrate"},
            {"sodium phosphate; sodium phosphates", "sodiumphosphate"},
            {"potassium phosphate; potassium phosphates", "potassiumphosphate"},
            {"magnesium hydroxide", "magnesiumhydroxide"},
            {"pnss; nss; normal saline", "sodiumchloride 0.9 %"},
            // Infusions by their ward names: dextrose and its strength, in what.
            {"d5", "dextrose 5 %"},
            {"d10", "dextrose 10 %"},
            {"d5lr; d5 lr; d5lrs; d5 lrs", "dextrose 5 % lactated ringer"},
            {"d5w; d5 w; d5 water", "dextrose 5 % water"},
            {"d10w; d10 w; d10 water", "dextrose 10 % water"},
            {"d50w; d50 w; d50", "dextrose 50 %"},
            {"d5nss; d5ns; d5 nss; d5 ns; d5 pnss; d5 0.9 nacl; d5 0.9% nacl; d5 0.9 nss; d5 0.9% nss",
             "dextrose 5 % sodiumchloride 0.9 %"},
            {"d5 0.3 nacl; d5 0.3% nacl; d5 0.3 nss; d5 0.3% nss", "dextrose 5 % sodiumchloride 0.3 %"},
            {"d5 0.45 nacl; d5 0.45% nacl; d5 0.45 nss; d5 0.45% nss", "dextrose 5 % sodiumchloride 0.45 %"},
            {"lrs", "lactated ringer"},
            {"nahco3; sodium bicarbonate; sod bicarbonate; sodium bicarb; sod bicarb", "sodiumbicarbonate"},
            {"mgso4; magnesium sulfate; magnesium sulphate", "magnesiumsulfate"},
            {"feso4", "ferrous sulfate"},
            {"sulphate", "sulfate"},
            {"vitamin a; vit a", "retinol"},
            {"vitamin d3; vit d3", "cholecalciferol"},
            {"vitamin c; vit c", "ascorbic"},
            {"vitamin e; vit e", "tocopherol"},
            {"vitamin b1; vit b1; b1", "thiamine"},
            {"vitamin b2; vit b2; b2", "riboflavin"},
            {"vitamin b6; vit b6; b6", "pyridoxine"},
            {"vitamin b12; vit b12; b12", "cyanocobalamin"},
            {"vitamin b complex; vit b complex; vitamins b complex; b complex; b-complex; vitamin b-complex; "
             "vit b-complex",
             "bcomplex"},
            {"multivitamins; multivitamin; multivit; multivits; multi vitamins; multi vitamin; mvi",
             "multivitamin"},
            {"lactated ringers; lactated ringer; ringers lactate; ringer lactate; plr", "lactated ringer"},
            {"hcl", "hydrochloride"},
            {"hbr", "hydrobromide"},
            {"sod; na", "sodium"},
            {"pot; k", "potassium"},
            {"ca", "calcium"},
            {"vit; vits; vitamins", "vitamin"},
            {"ped; peds; pedia; paed; paediatric; pediatrics", "pediatric"},
            {"ster", "sterile"},
            {"x ray", "xray"},
            {"film coated; fc", ""},
        },
        [](const QString& w) { return w; });
    return table;
}

const Unit* FindUnit(const QString& word) {
    // Masses and volumes convert to one unit each so that "1 g" meets "1000 mg" and "500 mcg" meets "0.5 mg".
    static const QHash<QString, Unit> units = [] {
        QHash<QString, Unit> u;
        for (const char* n : {"mg", "mgs", "milligram", "milligrams"}) u.insert(n, {"mg", 1});
        for (const char* n : {"g", "gm", "gms", "gram", "grams", "grm"}) u.insert(n, {"mg", 1000});
        for (const char* n : {"mcg", "mcgs", "ug", "microgram", "micrograms"}) u.insert(n, {"mg", 0.001});
        u.insert("kg", {"mg", 1e6});
        for (const char* n : {"ml", "mls", "milliliter", "milliliters", "millilitre", "millilitres", "cc"})
            u.insert(n, {"ml", 1});
        for (const char* n : {"l", "lt", "ltr", "liter", "liters", "litre", "litres"})
            u.insert(n, {"ml", 1000});
        for (const char* n : {"iu", "u", "unit", "units", "ui"}) u.insert(n, {"iu", 1});
        u.insert("meq", {"meq", 1});
        u.insert("mmol", {"mmol", 1});
        u.insert("%", {"%", 1});
        u.insert("mm", {"mm", 1});
        u.insert("cm", {"mm", 10});
        return u;
    }();
    const auto it = units.constFind(word);
    return it == units.constEnd() ? nullptr : &*it;
}

bool IsForm(const QString& word) {
    static const QSet<QString> forms = {
        "tablet",   "capsule", "ampule",   "vial",      "injection",   "suspension", "syrup",
        "solution", "drops",   "cream",    "ointment",  "suppository", "inhaler",    "nebule",
        "sachet",   "powder",  "infusion", "lotion",    "gel",         "elixir",     "granules",
        "lozenge",  "patch",   "spray",    "prefilled", "shampoo"};
    return forms.contains(word);
}

QString FormFamily(const QString& form) {
    static const QHash<QString, QString> families = {
        {"ampule", "injectable"},      {"vial", "injectable"},      {"injection", "injectable"},
        {"infusion", "injectable"},    {"prefilled", "injectable"}, {"syrup", "oral liquid"},
        {"suspension", "oral liquid"}, {"elixir", "oral liquid"},   {"solution", "oral liquid"},
        {"sachet", "powder"},          {"powder", "powder"},        {"granules", "powder"},
    };
    return families.value(form, form);
}

bool IsFiller(const QString& word) {
    static const QSet<QString> filler = {
        "with",         "and",        "of",      "the",         "a",
        "an",           "w",          "per",     "in",          "to",
        "or",           "x",          "s",       "box",         "boxes",
        "pack",         "packs",      "pck",     "blister",     "pc",
        "pcs",          "piece",      "pieces",  "as",          "oral",
        "coated",       "filmcoated", "acid",    "bottle",      "bottles",
        "btl",          "bot",        "tube",    "tubes",       "jar",
        "bag",          "bags",       "dose",    "doses",       "iv",
        "im",           "sc",         "po",      "intravenous", "intramuscular",
        "subcutaneous", "rx",         "each",    "only",        "use",
        "usp",          "bp",         "for",     "salt",        "lyophilized",
        "lyophilised",  "diluent",    "plastic", "glass",       "dropper"};
    return filler.contains(word);
}

bool IsSaltOrEster(const QString& word) {
    static const QSet<QString> salts = {
        "sodium",       "potassium",      "calcium",      "magnesium",     "hydrochloride", "dihydrochloride",
        "hydrobromide", "sulfate",        "bisulfate",    "phosphate",     "diphosphate",   "acetate",
        "maleate",      "dimaleate",      "citrate",      "tartrate",      "bitartrate",    "hemitartrate",
        "succinate",    "fumarate",       "hemifumarate", "besilate",      "besylate",      "mesylate",
        "mesilate",     "tosylate",       "tosilate",     "bromide",       "butylbromide",  "methylbromide",
        "chloride",     "nitrate",        "lactate",      "gluconate",     "disodium",      "dihydrate",
        "monohydrate",  "trihydrate",     "hemihydrate",  "sesquihydrate", "hydrate",       "anhydrous",
        "medoxomil",    "axetil",         "proxetil",     "cilexetil",     "pivoxil",       "hyclate",
        "pamoate",      "embonate",       "decanoate",    "enanthate",     "palmitate",     "stearate",
        "estolate",     "ethylsuccinate", "lactobionate", "propionate",    "dipropionate",  "valerate",
        "furoate",      "acetonide",      "butyrate",     "trometamol",    "tromethamine",  "meglumine",
        "arginine",     "erbumine",       "oxalate",      "malate",        "xinafoate",     "carbonate",
        "bicarbonate",  "hydroxide",      "propanediol",  "disoproxil",    "alafenamide",   "etexilate",
        "mofetil",      "methylsulfate",  "metilsulfate", "pentahydrate",  "edisilate",     "napsilate",
        "isethionate",  "camsilate",      "teoclate",     "ditartrate",    "dimesilate",    "tebutate",
        "cipionate",    "undecanoate"};
    return salts.contains(word);
}

bool IsRoute(const QString& qualifier) {
    return qualifier == QLatin1String("ophthalmic") || qualifier == QLatin1String("otic") ||
           qualifier == QLatin1String("nasal") || qualifier == QLatin1String("vaginal");
}

bool IsDoseUnit(const QString& word) {
    static const QSet<QString> units = {
        "dose", "doses",      "puff",    "puffs",       "actuation", "actuations", "spray", "sprays",
        "tab",  "tablet",     "cap",     "capsule",     "sachet",    "vial",       "amp",   "ampule",
        "drop", "inhalation", "metered", "application", "blister",   "unit dose"};
    return units.contains(word);
}

namespace {

bool IsVowel(QChar c) {
    return QStringView(u"aeiou").contains(c);
}

// A name written without its vowels, whole or in part ("tblt", "cpsl", "vls", "chw"): the same first
// letter, a consonant, then consonants of the name in their order. Two letters ("tb", "cp") only for a
// form and as the name's first two consonants, as "DS" (double strength) is no dispersible tablet. A word
// that starts with a vowel is a drug's acronym more often than a form ("ORS").
bool Abbreviates(const QString& word, const QString& name, bool form) {
    if (word[0] != name[0] || IsVowel(word[0]) || word.size() > 5) return false;
    if (std::any_of(word.cbegin() + 1, word.cend(), [](QChar c) { return IsVowel(c) || !c.isLetter(); }))
        return false;
    QString consonants;
    for (qsizetype i = 1; i < name.size(); ++i)
        if (!IsVowel(name[i])) consonants.append(name[i]);
    if (word.size() == 2) return form && !consonants.isEmpty() && consonants[0] == word[1];
    qsizetype at = 0;
    for (qsizetype i = 1; i < word.size(); ++i) {
        at = consonants.indexOf(word[i], at);
        if (at < 0) return false;
        ++at;
    }
    return true;
}

}  // namespace

QString GuessForm(const QString& word) {
    static const std::pair<const char*, const char*> spelt[] = {{"tablet", "tablet"},
                                                                {"capsule", "capsule"},
                                                                {"ampule", "ampule"},
                                                                {"ampoule", "ampule"},
                                                                {"vials", "vial"},
                                                                {"injection", "injection"},
                                                                {"suspension", "suspension"},
                                                                {"syrup", "syrup"},
                                                                {"solution", "solution"},
                                                                {"drops", "drops"},
                                                                {"cream", "cream"},
                                                                {"ointment", "ointment"},
                                                                {"suppository", "suppository"},
                                                                {"inhaler", "inhaler"},
                                                                {"nebule", "nebule"},
                                                                {"sachet", "sachet"},
                                                                {"powder", "powder"},
                                                                {"infusion", "infusion"},
                                                                {"lotion", "lotion"},
                                                                {"elixir", "elixir"},
                                                                {"granules", "granules"},
                                                                {"lozenge", "lozenge"},
                                                                {"shampoo", "shampoo"},
                                                                {"chewable", "q:chewable"},
                                                                {"dispersible", "q:dispersible"},
                                                                {"sublingual", "q:sublingual"},
                                                                {"effervescent", "q:effervescent"},
                                                                {"ophthalmic", "q:ophthalmic"},
                                                                {"vaginal", "q:vaginal"},
                                                                {"concentrate", "q:concentrate"},
                                                                {"orodispersible", "q:orodispersible"}};
    // The table as texts, made once.
    static const std::vector<std::pair<QString, QString>> names = [] {
        std::vector<std::pair<QString, QString>> out;
        for (const auto& [name, token] : spelt)
            out.emplace_back(QString::fromLatin1(name), QString::fromLatin1(token));
        return out;
    }();
    if (word.size() < 2 || !word[0].isLetter()) return {};
    // Masters repeat their spellings: each distinct word is worked out once per thread. A word with a
    // digit (an item code, of which a master may hold a million) can only be a typing error of a form,
    // quickly seen, and is not kept.
    thread_local QHash<QString, QString> guesses;
    const auto digits = std::count_if(word.cbegin(), word.cend(), [](QChar c) { return c.isDigit(); });
    // No form's name has a digit: each is a typing error, and more than two are too many for any.
    if (digits > 2) return {};
    const bool keep = digits == 0;
    if (keep) {
        const auto cached = guesses.constFind(word);
        if (cached != guesses.constEnd()) return *cached;
    }
    QString guess;
    int fits = 0;
    for (const auto& [n, token] : names) {
        if (n[0] != word[0] || n == word) continue;
        const bool cut = word.size() >= 4 && n.size() > word.size() && n.startsWith(word);
        const int allowed = word.size() >= 6 ? 2 : n.size() >= 5 ? 1 : 0;
        const bool typo =
            word.size() >= 4 && !cut && allowed > 0 && TermMatcher::Distance(word, n, allowed) <= allowed;
        const bool form = !token.startsWith(QLatin1String("q:"));
        if (!cut && !typo && !Abbreviates(word, n, form)) continue;
        if (guess != token) ++fits;
        guess = token;
    }
    if (fits != 1) guess.clear();
    if (!keep) return guess;
    if (guesses.size() > 100000) guesses.clear();
    guesses.insert(word, guess);
    return guess;
}

}  // namespace esoa::assist::medicine

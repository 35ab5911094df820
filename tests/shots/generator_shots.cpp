#include "shots.h"

#include "app/main_window.h"
#include "generator/generator_window.h"

#include <QRadioButton>

void shootGeneratorWindows(Form1& form, ShotContext& ctx)
{
    AutoCode1& generator = form.generatorWindow();
    ctx.shoot(&generator, QStringLiteral("generator_window"));
    // Keying the low bound of number 2: after a 3 only 0..5 may follow.
    generator.Field_Click(generator::lowField(2));
    generator.Command3_Click(3);
    generator.Option1[1]->setChecked(true);
    ctx.shoot(&generator, QStringLiteral("generator_keying"));
    generator.Command2_Click();
    generator.hide();
}
